#pragma once

#include "BmpFiles.h"
#include "RecordingHost.h"
#include "catalogue/ColorEntity.h"
#include "catalogue/TNData.h"
#include "loading/ModuleLocation.h"
#include "support/ImageFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Files = std::vector<std::string>;

// A colour name and the texture file the export writes for it, or none.
struct NameCase {
    const char* what;
    std::string colourName;
    std::optional<std::string> file;
};

// The names whose file the platform's file names decide.
std::vector<NameCase> PlatformNameCases();

// A data folder with a 64 x 64 texture "tex.bmp" and the store's chosen colours, exported into
// its "Tarnova anyagok" unless the test makes that otherwise.
class HostileExport : public ::testing::Test {
protected:
    void SetUp() override {
        data.Write("tex.bmp", testsupport::MakeBmp(64, 64, {90, 140, 200, 255, 0}));
        fs::create_directory(TextureFolder());
        textureLibraryFolder = data.GetLocation("Tarnova anyagok");
    }
    void TearDown() override { textureLibraryFolder = savedFolder; }

    void Choose(std::uint32_t slot, const std::string& colourName) {
        colours.push_back(std::make_unique<ColorEntity>(
            "Belső", "Fal", "Színes", "", "Fal", host::UniString(std::string_view(colourName)), 120, 60, 30,
            data.GetLocation("tex.bmp"), false, "", -1, -1, -1, false, false));
        ASSERT_NE(colours.back()->textureImage, nullptr);
        store.SetChosenColour(slot, colours.back().get());
    }

    fs::path TextureFolder() const { return data.GetPath() / "Tarnova anyagok"; }

    // Everything in the data folder and beside it that the export could have made.
    Files Everything() const {
        Files files = ListFiles(data.GetPath());
        for (const char* escape : {"kiszökött.bmp", "tex.bmp kiszökött.bmp"}) {
            if (fs::exists(data.GetPath().parent_path() / testsupport::Utf8Path(escape))) {
                files.push_back(std::string("../") + escape);
            }
        }
        return files;
    }

    testsupport::TempFolder data;
    TNData store;
    RecordingHost host;
    std::vector<std::unique_ptr<ColorEntity>> colours;
    host::FileLocation savedFolder = textureLibraryFolder;
};

