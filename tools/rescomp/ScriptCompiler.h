#pragma once

#include "host/std/ResourceBlob.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Compiles a resource script (UTF-8 text) into resources. A script is a sequence of blocks:
//
//   strings ID "text" ... end                 string list ('STRS'), texts stored in the
//                                             Central European code page
//   numbers ID N ...  end                     number list ('MNUM')
//   identification ID N N                     identification record ('MDID')
//   version ID                                version block ('VERS')
//       file A B C D   product A B C D
//       "Name" "Value" ...
//   end
//   dialog ID "title" WIDTH HEIGHT            dialog template ('DLOG')
//       item ID KIND LEFT TOP WIDTH HEIGHT [style N] [value N] [resource N] [text "..."]
//   end
//   itemnames ID "dialog name"  ITEM "name" ... end      item-name table ('DNAM')
//   bitmap ID "file"   icon ID "file"   data ID [sized] "file"
//
// Item kinds: pushbutton, iconpushbutton, popup, pushcheck, lefttext, hseparator, vseparator,
// picture. Files are read through `readFile`; "sized" puts the file's length (32-bit
// little-endian) before its bytes. Throws ScriptError.
class ScriptCompiler {
public:
    using FileReader = std::function<std::vector<std::uint8_t>(const std::string& name)>;

    explicit ScriptCompiler(FileReader readFile) : readFile(std::move(readFile)) {}

    std::vector<host::ResourceBlob::Resource> Compile(std::string_view script) const;

private:
    FileReader readFile;
};
