#include "design_file.h"
