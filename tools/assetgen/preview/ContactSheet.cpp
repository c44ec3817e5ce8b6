// Contact sheets: every picture of a folder on a labelled grid, once over mid-grey and once over the dark
// of the night scenes, so that edges, glows and shadows can be judged against both. Strips are cut into
// their frames, numbered.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"
#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/preview/Preview.h"

namespace assetgen::preview {
namespace {

namespace files = platform::files;

constexpr const char* kLabelFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kSheetWidth = 1600;
constexpr int kMargin = 16, kGap = 18, kLabelHeight = 30, kFrameGap = 6;
constexpr double kMaxWidth = 400, kMaxHeight = 320;  // larger pictures are shown smaller
constexpr double kMinSide = 40;                      // tiny ones larger, to judge their pixels
constexpr Colour kGrey = Hex(0x808080), kDark = Hex(0x16171f);

struct Item {
    std::string name;
    platform::PixelMap picture;
    const StripLayout* strip = nullptr;
    double scale = 1;
    int columns = 1;                    // frames per row on the sheet
    double x = 0, y = 0, w = 0, h = 0;  // the box on the panel, the label under it included
};

std::u32string Wide(const std::string& text) {
    return {text.begin(), text.end()};
}

void Text(cairo_t* cr, const OutlineFont& font, const std::string& text, double x, double baseline,
          double size, Colour colour) {
    OutlineFont::Setting setting;
    setting.size = size;
    font.AppendPath(cr, Wide(text), x, baseline, setting);
    SetSource(cr, colour);
    cairo_fill(cr);
}

std::map<std::string, const StripLayout*> StripsByPath() {
    std::map<std::string, const StripLayout*> strips;
    for (const Group& group : Groups()) {
        for (const Strip& strip : group.strips) strips[strip.path] = &strip.layout;
    }
    return strips;
}

// The size of an item's picture area on the sheet.
void Measure(Item& item) {
    const double cw = item.strip ? item.strip->cellWidth : item.picture.Width();
    const double ch = item.strip ? item.strip->cellHeight : item.picture.Height();
    item.scale = std::min({1.0, kMaxWidth / cw, kMaxHeight / ch});
    if (std::max(cw, ch) < kMinSide) item.scale = std::ceil(kMinSide / std::max(cw, ch));
    if (!item.strip) {
        item.w = cw * item.scale;
        item.h = ch * item.scale;
        return;
    }
    const double cell = cw * item.scale + kFrameGap;
    item.columns = std::clamp(static_cast<int>((kSheetWidth * 0.6) / cell), 1, item.strip->frames);
    const int rows = (item.strip->frames + item.columns - 1) / item.columns;
    item.w = item.columns * cell - kFrameGap;
    item.h = rows * (ch * item.scale + 14);
}

// The line under the name: the picture's size, its frames, and the scale it is shown at.
std::string SizeText(const Item& item) {
    std::string size = std::to_string(item.picture.Width()) + "x" + std::to_string(item.picture.Height());
    if (item.strip) {
        size = std::to_string(item.strip->frames) + " x " + std::to_string(item.strip->cellWidth) + "x" +
               std::to_string(item.strip->cellHeight);
    }
    if (item.scale != 1) size += "  (shown at " + std::to_string(std::lround(item.scale * 100)) + "%)";
    return size;
}

void DrawPicture(cairo_t* cr, const platform::PixelMap& picture, double x, double y, double scale, int sx,
                 int sy, int sw, int sh) {
    const Surface surface = ToSurface(picture);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, sw * scale, sh * scale);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, surface.get(), -sx, -sy);
    cairo_pattern_set_filter(cairo_get_source(cr), scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

void DrawItem(cairo_t* cr, const OutlineFont& font, const Item& item, double dx, double dy) {
    const double x = item.x + dx, y = item.y + dy;
    if (!item.strip) {
        DrawPicture(cr, item.picture, x, y, item.scale, 0, 0, item.picture.Width(), item.picture.Height());
    } else {
        const StripLayout& s = *item.strip;
        const double cw = s.cellWidth * item.scale, ch = s.cellHeight * item.scale;
        for (int f = 0; f < s.frames; ++f) {
            const double fx = x + f % item.columns * (cw + kFrameGap);
            const double fy = y + f / item.columns * (ch + 14);
            Text(cr, font, std::to_string(f), fx, fy + 10, 10, Hex(0xd8d8d8));
            DrawPicture(cr, item.picture, fx, fy + 13, item.scale, f % s.Columns() * s.cellWidth,
                        f / s.Columns() * s.cellHeight, s.cellWidth, s.cellHeight);
        }
    }
    Text(cr, font, item.name, x, y + item.h + 13, 12, Hex(0xffffff));
    Text(cr, font, SizeText(item), x, y + item.h + 26, 10, Hex(0xe0e0e0));
}

// Rows from left to right; returns the panel's height.
double Layout(std::vector<Item>& items) {
    double x = kMargin, y = kMargin, rowHeight = 0;
    for (Item& item : items) {
        Measure(item);
        const double width =
            std::max({item.w, 7.0 * item.name.size() + 10, 5.6 * SizeText(item).size() + 10});
        if (x > kMargin && x + width > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        item.x = x;
        item.y = y;
        x += width + kGap;
        rowHeight = std::max(rowHeight, item.h + kLabelHeight);
    }
    return y + rowHeight + kMargin;
}

void WriteSheet(const std::string& title, std::vector<Item>& items, const std::string& path) {
    const OutlineFont font(kLabelFont);
    const double panel = Layout(items);
    const int header = 40;
    Canvas canvas(kSheetWidth, header + static_cast<int>(std::ceil(2 * panel)));
    cairo_t* cr = canvas.Cr();
    SetSource(cr, Hex(0x2a2b33));
    cairo_paint(cr);
    const std::string count = std::to_string(items.size()) + (items.size() == 1 ? " picture" : " pictures");
    Text(cr, font, title + "  (" + count + ")", kMargin, 27, 18, Hex(0xffffff));
    const Colour grounds[] = {kGrey, kDark};
    for (int i = 0; i < 2; ++i) {
        const double top = header + i * panel;
        cairo_rectangle(cr, 0, top, kSheetWidth, panel);
        SetSource(cr, grounds[i]);
        cairo_fill(cr);
        for (const Item& item : items) DrawItem(cr, font, item, 0, top);
    }
    std::string error;
    if (!platform::SavePng(path, canvas.ToPixelMap(), 6, false, error)) throw std::runtime_error(error);
}

// Numbers within names count as numbers, so "bg2" comes before "bg10".
bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            // Without leading zeros, the shorter run of digits is the smaller number.
            while (i + 1 < ei && a[i] == '0') ++i;
            while (j + 1 < ej && b[j] == '0') ++j;
            const std::string_view na(&a[i], ei - i), nb(&b[j], ej - j);
            if (na.size() != nb.size()) return na.size() < nb.size();
            if (na != nb) return na < nb;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

bool IsPicture(const std::string& name) {
    return name.ends_with(".png") || name.ends_with(".jpg");
}

// Each folder holding pictures, relative to the data root ("graphics/Gems"), with its pictures.
void CollectFolders(const std::string& root, const std::string& relative,
                    std::map<std::string, std::vector<std::string>>& folders) {
    std::vector<std::string> names;
    std::string error;
    if (!files::ListFolder(files::Join(root, relative), names, error)) throw std::runtime_error(error);
    std::sort(names.begin(), names.end(), NaturalLess);
    for (const std::string& name : names) {
        const std::string path = relative + "/" + name;
        if (files::IsFolder(files::Join(root, path))) {
            CollectFolders(root, path, folders);
        } else if (IsPicture(name)) {
            folders[relative].push_back(path);
        }
    }
}

}  // namespace

void MakeContactSheets(const std::string& dataRoot, const std::string& outFolder) {
    std::string error;
    if (!files::CreateFolders(outFolder, error)) throw std::runtime_error(error);
    std::map<std::string, std::vector<std::string>> folders;
    for (const char* top : {"graphics", "menus"}) CollectFolders(dataRoot, top, folders);
    const auto strips = StripsByPath();
    for (const auto& [folder, paths] : folders) {
        std::vector<Item> items;
        for (const std::string& path : paths) {
            Item item;
            item.name = files::FileNameOf(path);
            if (!platform::LoadImageFile(files::Join(dataRoot, path), item.picture, error)) {
                throw std::runtime_error(error);
            }
            const auto strip = strips.find(path);
            if (strip != strips.end()) item.strip = strip->second;
            items.push_back(std::move(item));
        }
        std::string sheet = folder;
        std::replace(sheet.begin(), sheet.end(), '/', '-');
        WriteSheet(folder, items, files::Join(outFolder, sheet + ".png"));
    }
}

}  // namespace assetgen::preview
