#include "export/MaterialExport.h"

#include "addon/HostServices.h"
#include "catalogue/TNData.h"
#include "export/MaterialRecord.h"
#include "export/TextureFile.h"
#include "host/AlertBox.h"
#include "host/CodePage.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The name in the system's code page, cut to the field without parting a character.
void SetMaterialName(MaterialRecord& record, const host::UniString& name) {
    const host::CodePage codePage = host::SystemCodePage();
    const std::string text = host::FromUtf8(name.ToStdString(), codePage);
    const std::size_t length = host::CharacterBoundary(text, codePage, MaterialNameCapacity - 1);
    std::memcpy(record.name, text.data(), length);
    record.name[length] = '\0';
}

RgbaColour SurfaceColour(const ColorEntity& colour) {
    if (colour.hasColour) {
        return colour.colour;
    }
    return colour.hasAuxiliaryColour ? colour.auxiliaryColour : RgbaColour{0, 0, 0, 255, 0};
}

// Answers whether the material received a texture.
bool ExportColour(ColorEntity& colour) {
    MaterialRecord record{};
    std::byte extension[host::addon::ExtensionRecordSize] = {};
    record.kind = MaterialKind;
    SetMaterialName(record, colour.GetFullName());
    const RgbaColour surface = SurfaceColour(colour);
    record.surfaceColour[0] = surface.red / 255.0;
    record.surfaceColour[1] = surface.green / 255.0;
    record.surfaceColour[2] = surface.blue / 255.0;
    record.settings[0] = 90;
    record.settings[1] = 90;
    record.settings[2] = 15;
    record.settings[4] = 60;
    std::fill(std::begin(record.factors), std::end(record.factors), 1.0);

    std::unique_ptr<host::FileLocation> textureLocation;
    record.textureSwitch = TextureSwitchNone;
    if (colour.textureImage != nullptr) {
        textureLocation = std::make_unique<host::FileLocation>(WriteTextureFile(colour));
        record.textureSwitch = TextureSwitchFile;
        record.texture.status = TextureStatus;
        record.texture.factors[0] = 1.0;
        record.texture.factors[1] = 1.0;
        record.texture.location = textureLocation.get();
    }
    CreateAttribute(&record, extension);
    DisposeAttributeExtension(extension);
    return textureLocation != nullptr;
}

} // namespace

bool ExportChosenColours(const TNData& store) {
    bool any = false;
    bool textured = false;
    for (std::uint32_t slot = 0; slot < ChosenColourCount; ++slot) {
        if (ColorEntity* colour = store.GetChosenColour(slot)) {
            any = true;
            textured = ExportColour(*colour) || textured;
        }
    }
    if (any) {
        host::Alert(host::AlertType::Information, "Információ",
                    "Az anyagok exportálása az Corvenna anyaglistába és a textúra könyvtár betöltése sikeres "
                    "volt!",
                    "", "OK");
    }
    return textured;
}
