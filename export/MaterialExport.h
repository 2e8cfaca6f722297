#pragma once

class TNData;

// Creates one host material for every filled slot of the store's chosen-colour list, in slot
// order, writing a washed texture file into textureLibraryFolder for each colour with a texture
// image, and shows the success message once when any slot was filled. Answers whether a material
// received a texture. Runs on the host's user-interface thread; host results are not examined.
bool ExportChosenColours(const TNData& store);
