// stb's image decoder, compiled from its header with coverage and sanitizers into the fuzz targets,
// whose copy takes the place of the system library's: the fuzzer then sees inside the decoder.
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
