#include "tipi_es.h"
