#include "widgets/AddOnResourceModule.h"

host::ResourceModule addOnResourceModule = host::NoResourceModule;
