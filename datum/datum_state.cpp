#include "datum_state.h"

geo_position ed50_position;
geo_position wgs84_position;
