/* stb's decoder and encoder, compiled once for platforms whose stb comes as headers alone. */
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image.h>
#include <stb_image_write.h>
