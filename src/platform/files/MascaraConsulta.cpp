#include "platform/files/MascaraConsulta.h"

#include "platform/files/ArchivoRegistros.h"
#include "platform/files/Windows1252.h"

QByteArray MascaraConsulta::Empaquetar() const {
    using archivos::CampoFijo;
    return CampoFijo(Titulo, AnchoTitulo) + CampoFijo(Tabla, AnchoTabla) +
           CampoFijo(Campos, AnchoCampos) + CampoFijo(Filtro, AnchoFiltro) +
           CampoFijo(FinRegistro, AnchoFinRegistro);
}

MascaraConsulta MascaraConsulta::Desempaquetar(const QByteArray& registro) {
    qsizetype desde = 0;
    const auto campo = [&](int ancho) {
        const QByteArray bytes = registro.mid(desde, ancho);
        desde += ancho;
        return archivos::DecodificarWindows1252(bytes);
    };
    MascaraConsulta mascara;
    mascara.Titulo = campo(AnchoTitulo);
    mascara.Tabla = campo(AnchoTabla);
    mascara.Campos = campo(AnchoCampos);
    mascara.Filtro = campo(AnchoFiltro);
    mascara.FinRegistro = campo(AnchoFinRegistro);
    return mascara;
}
