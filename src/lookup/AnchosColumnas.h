#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The column widths of the lookup lists, kept per table in "CONSULTASLEN.SVE" in the program
// folder: one text line per table, `"table","w1|w2|...|"`, ended by CR LF, the widths in twips.
// The file is rewritten whole through "CONSULTASLEN.AUX", which takes the old file's name only
// once it is complete.
class AnchosColumnas {
public:
    explicit AnchosColumnas(QString carpeta);

    QString Archivo() const;
    QString Temporal() const;
    bool Existe() const;

    // The widths saved for the table, one per column from the first (nothing for a column the
    // file gives no width). The table is compared without regard to case, and a later line of
    // it wins over an earlier one. A line with fewer widths than columns ends the reading
    // there, as does any failure: what was read so far counts. When the file exists, the key
    // "Stk_ma_articulos" becomes "VT_MA_ARTICULOS", for reading and for the caller's saving.
    std::vector<std::optional<double>> Leer(QString& tabla, int columnas) const;

    // Puts the table's widths last in the file and keeps the other tables' lines as they were.
    // Raises the file error that stopped it.
    void Grabar(const QString& tabla, const std::vector<double>& anchos) const;

    // "w1|w2|...|": each width as a single-precision number in the user's notation.
    static QString TextoAnchos(const std::vector<double>& anchos);
    // A line of the file: both fields between double quotes, separated by one comma.
    static QString Linea(const QString& tabla, const QString& anchos);
    // The first two fields of a line, without their quotes.
    static std::pair<QString, QString> Campos(const QString& linea);

private:
    QString carpeta_;
};
