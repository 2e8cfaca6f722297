#pragma once

#include "Json.h"

#include "support/TempFolder.h"

#include <filesystem>
#include <string>

// A data folder for the add-on: a copy of the built library beside a catalogue.
class AddOnFolder {
public:
    // Writes `catalogueXml` as colours.xml unless it is empty.
    explicit AddOnFolder(const std::string& catalogueXml);
    // The bundled sample catalogue with its textures.
    struct SampleCatalogue {};
    explicit AddOnFolder(SampleCatalogue);

    const std::filesystem::path& GetPath() const { return folder.GetPath(); }
    std::filesystem::path GetLibrary() const { return folder.GetPath() / TN_ADDON_FILE; }
    std::filesystem::path GetTextureFolder() const { return folder.GetPath() / "Tarnova anyagok"; }
    const testsupport::TempFolder& GetFolder() const { return folder; }

private:
    AddOnFolder();
    testsupport::TempFolder folder;
};

// One run of addon-host on a script, in a working folder of its own.
struct HostRun {
    int exitCode = -1;
    std::string output; // standard output and error
    std::filesystem::path workFolder;
    JsonValue report; // null when the host wrote none

    // A JSON file the script wrote (a "state" command), relative to the working folder.
    JsonValue ReadJson(const std::string& name) const;
};

// Runs addon-host with `script` and --report on the add-on in `addOn`; the working folder lies in
// `work`. The host gets a minute at most.
HostRun RunHost(const AddOnFolder& addOn, const std::string& script, const testsupport::TempFolder& work);

// The whole file as text; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
