#pragma once

#include <QByteArray>
#include <QString>

// One record of the query-mask file "consultas.sve": fixed-length, blank-padded text fields
// ended by CR LF, so the file also reads as text lines. Fields read back keep their full width,
// padding included, as fixed-length strings do; trimming is the reader's business.
struct MascaraConsulta {
    static constexpr int AnchoTitulo = 100;
    static constexpr int AnchoTabla = 100;
    static constexpr int AnchoCampos = 500;
    static constexpr int AnchoFiltro = 500;
    static constexpr int AnchoFinRegistro = 2;
    static constexpr int Longitud =
        AnchoTitulo + AnchoTabla + AnchoCampos + AnchoFiltro + AnchoFinRegistro;

    QString Titulo;
    QString Tabla;
    QString Campos;
    QString Filtro;
    QString FinRegistro = QStringLiteral("\r\n");

    QByteArray Empaquetar() const;
    static MascaraConsulta Desempaquetar(const QByteArray& registro);
};
