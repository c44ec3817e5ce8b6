#include <array>
#include <cstring>
#include <string>

#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "fuzz/FuzzSupport.h"
#include "game/save/ProfileHooks.h"
#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"

namespace {

std::array<int, TSaveData::POWERUPS> charges;
constexpr std::array<int, TSaveData::POWERUPS> kRequired = {10, 15, 12, 20, 18, 30};

// Fresh save data whose links reach the charges above; the player has unlocked every level.
void FreshSaveData() {
    SaveData = TSaveData();
    charges.fill(-1);
    SaveData.Links.Unlocked = [] { return 100; };
    SaveData.Links.GetCharge = [](int slot) { return charges[slot]; };
    SaveData.Links.SetCharge = [](int slot, int charge) { charges[slot] = charge; };
    SaveData.Links.ChargeRequired = [](int slot) { return kRequired[slot]; };
}

TProfile GameProfile() {
    TProfile profile;
    profile.Init("Fuzz");
    AttachSaveData(profile);
    return profile;
}

std::vector<uint8_t> BytesOf(const TProfile& profile) {
    platform::ByteWriter out;
    profile.WriteTo(out);
    return out.Bytes();
}

// Reads bytes as a profile with the game's block and checks what came out.
void ReadAndCheck(std::span<const uint8_t> bytes) {
    FreshSaveData();
    TProfile profile = GameProfile();
    platform::ByteReader in(bytes);
    const TProfile::ReadResult result = profile.ReadFrom(in);
    FUZZ_CHECK(in.Position() <= bytes.size());
    FUZZ_CHECK(profile.currentStream == nullptr);
    switch (result) {
        case TProfile::ReadResult::FirstIntZero:
            FUZZ_CHECK(bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0);
            return;
        case TProfile::ReadResult::ChecksumError:
            FUZZ_CHECK(UseProfileChecksum == 1);
            return;
        case TProfile::ReadResult::TooShort:
            FUZZ_CHECK(in.Failed());
            return;
        case TProfile::ReadResult::Loaded:
            break;
    }
    // What loads is within its ranges...
    FUZZ_CHECK(!in.Failed());
    FUZZ_CHECK(SaveData.showTips == 0 || SaveData.showTips == 1);
    FUZZ_CHECK(SaveData.timer == 0 || SaveData.timer == 1);
    FUZZ_CHECK(SaveData.goldCollected >= 0);
    for (const int level : SaveData.bombBonusLevels) FUZZ_CHECK(level == 1);
    for (const int level : SaveData.hudBonusLevels) FUZZ_CHECK(level == 1);
    for (int slot = 0; slot < TSaveData::POWERUPS; ++slot)
        FUZZ_CHECK(charges[slot] >= 0 && charges[slot] <= kRequired[slot]);
    for (int id = -2; id <= SHOP_ITEM_COUNT + 2; ++id) {
        const int status = SaveData.GetShopItemStatus(id);
        FUZZ_CHECK(status >= ShopItem::UNAVAILABLE && status <= ShopItem::PURCHASED);
        SaveData.GetPrereqs(id);
        SaveData.CanPurchaseItem(id);
    }
    for (int shopID = -2; shopID <= SHOP_ITEM_COUNT + 2; ++shopID) {
        const int level = SaveData.GetHUDBonusLevel(shopID);
        FUZZ_CHECK(level >= 0 && level <= 3);
    }
    // ...and is written and read back unchanged.
    const std::vector<uint8_t> written = BytesOf(profile);
    const auto savedCharges = charges;
    TProfile again = GameProfile();
    platform::ByteReader reread(written);
    FUZZ_CHECK(again.ReadFrom(reread) == TProfile::ReadResult::Loaded);
    FUZZ_CHECK(reread.AtEnd());
    FUZZ_CHECK(charges == savedCharges);
    FUZZ_CHECK(BytesOf(again) == written);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    InitShopItems([](const std::string& key) { return key; });
    FreshSaveData();
    TProfile fresh = GameProfile();
    TProfile played = GameProfile();
    played.CurrentLevel = 37;
    played.LockedLevel = 40;
    played.Score = 81234;
    played.TimeTaken = 5321.5;
    played.HintsShown[3] = played.HintsShown[80] = 1;
    SaveData.goldCollected = 750;
    SaveData.shopPurchases[1] = SaveData.shopPurchases[24] = ShopItem::PURCHASED;
    charges = {3, 15, 0, 7, 18, 2};
    auto cut = BytesOf(played);
    cut.resize(40 + 4 * 12);
    fuzz::SeedEmptyCorpus(*argc, *argv,
                          {{"new.dat", BytesOf(fresh)}, {"played.dat", BytesOf(played)}, {"cut.dat", cut}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Both layouts: without the marker, as the game writes, and with it.
    for (const int marker : {0, 1}) {
        UseProfileChecksum = marker;
        ReadAndCheck({data, size});
    }
    return 0;
}
