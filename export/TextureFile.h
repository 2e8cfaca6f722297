#pragma once

#include "host/FileLocation.h"
#include "host/Result.h"
#include "host/UniString.h"

class ColorEntity;

// The name of a colour's texture file: the texture image's own file name, the tail of the
// colour's full name (" <colourName>", " RGB" digits or nothing), then ".bmp".
host::Result GetTextureFileName(const ColorEntity& colour, host::UniString& name);

// Reads the colour's texture image again from disk, washes it with the colour's solid colour at
// colourAmount (which becomes the alpha of `colour.colour`) and writes it as a 24-bit BMP into
// textureLibraryFolder. Answers the location the material points at: the file's, or the folder
// itself when the image cannot be read or decoded. A file name that is no single name in the
// folder leaves the folder's location and writes nothing.
host::FileLocation WriteTextureFile(ColorEntity& colour);
