#include "boards/ExtraRuota.h"
