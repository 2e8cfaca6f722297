#pragma once

#include "host/FileLocation.h"

class ColorEntity;

// Reads the colour's texture image again from disk, washes it with the colour's solid colour at
// colourAmount (which becomes the alpha of `colour.colour`) and writes it as a 24-bit BMP into
// textureLibraryFolder, named after the texture image's own file name, the tail of the colour's
// full name (" <colourName>", " RGB" digits or nothing) and ".bmp". Answers the location the
// material points at: the file's, or the folder itself when the image cannot be read or decoded,
// or when that name is no single name in the folder (then nothing is written).
host::FileLocation WriteTextureFile(ColorEntity& colour);
