#include "audit/VentanasVecinas.h"

VentanasVecinas& VentanasVecinas::Actuales() {
    static VentanasVecinas vecinas;
    return vecinas;
}
