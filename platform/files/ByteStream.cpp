#include "platform/files/ByteStream.h"

#include <bit>
#include <cstring>

namespace platform {
namespace {

static_assert(std::endian::native == std::endian::little, "the byte streams assume a little-endian machine");

}  // namespace

bool ByteReader::Has(size_t n) {
    if (failed_ || bytes_.size() - pos_ < n) failed_ = true;
    return !failed_;
}

bool ByteReader::Take(void* dst, size_t n) {
    if (!Has(n)) return false;
    std::memcpy(dst, bytes_.data() + pos_, n);
    pos_ += n;
    return true;
}

bool ByteReader::ReadByte(uint8_t& v) {
    return Take(&v, 1);
}
bool ByteReader::ReadInt32(int32_t& v) {
    return Take(&v, 4);
}
bool ByteReader::ReadUInt32(uint32_t& v) {
    return Take(&v, 4);
}
bool ByteReader::ReadFloat(float& v) {
    return Take(&v, 4);
}
bool ByteReader::ReadDouble(double& v) {
    return Take(&v, 8);
}

bool ByteReader::ReadBytes(size_t n, std::vector<uint8_t>& out) {
    if (!Has(n)) return false;
    out.assign(bytes_.begin() + static_cast<ptrdiff_t>(pos_),
               bytes_.begin() + static_cast<ptrdiff_t>(pos_ + n));
    pos_ += n;
    return true;
}

bool ByteReader::ReadLine(std::string& line) {
    if (failed_ || AtEnd()) return false;
    line.clear();
    while (pos_ < bytes_.size() && bytes_[pos_] != '\n') line += static_cast<char>(bytes_[pos_++]);
    if (pos_ < bytes_.size()) ++pos_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

void ByteWriter::WriteByte(uint8_t v) {
    bytes_.push_back(v);
}

void ByteWriter::WriteInt32(int32_t v) {
    Put(&v, sizeof v);
}
void ByteWriter::WriteUInt32(uint32_t v) {
    Put(&v, sizeof v);
}
void ByteWriter::WriteFloat(float v) {
    Put(&v, sizeof v);
}
void ByteWriter::WriteDouble(double v) {
    Put(&v, sizeof v);
}

void ByteWriter::Put(const void* v, size_t n) {
    const auto* b = static_cast<const uint8_t*>(v);
    bytes_.insert(bytes_.end(), b, b + n);
}

void ByteWriter::WriteBytes(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::WriteText(const std::string& text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ByteWriter::WriteLine(const std::string& line) {
    WriteText(line);
    bytes_.push_back('\n');
}

}  // namespace platform
