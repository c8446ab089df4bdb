#include "lookup/Lib_ClsCons3.h"

Lib_ClsCons3& Lib_ClsCons3::Instancia() {
    static Lib_ClsCons3 instancia;
    return instancia;
}
