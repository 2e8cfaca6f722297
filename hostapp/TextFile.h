#pragma once

#include <string>

// Makes the folder that is to hold the file at `path`, when missing. False when it cannot be made.
bool CreateParentFolder(const std::string& path);

// Writes `text` to the file at `path`, replacing it, its folder made when missing. False when the
// file cannot be written.
bool WriteTextFile(const std::string& path, const std::string& text);

// Reads the whole file into `text`. False when it is no file that can be read.
bool ReadTextFile(const std::string& path, std::string& text);
