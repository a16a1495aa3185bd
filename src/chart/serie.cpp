#include "chart/serie.h"

Tseries_aspect::Tseries_aspect()
    : aspects{
          {"Allèle 1", 0x0000FF}, // red
          {"Allèle 2", 0xFF0000}, // blue
          {"Allèle 3", 0x008000}, // green
          {"Allèle 4", 0x808080}, // grey
      } {}
