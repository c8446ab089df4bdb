#pragma once

#include <QString>
#include <QStringList>

// The filters of the list of pending differences, as the main window passes them: texts
// trimmed, empty when the field was left blank.
struct FiltrosDiferencias {
    QString Fecha_Desde{};
    QString Fecha_Hasta{};
    QString Cuenta_Desde{};
    QString Cuenta_Hasta{};
    QString NombreLike{}; // a name, or a pattern with "*" or "%"
    QString Tc_Origen{};
    QString Suc_Origen{};
    QString Numero_Origen{};
    QString Letra_Origen{};
    QStringList Estados{}; // the state codes to list; an empty list sets no state condition

    bool operator==(const FiltrosDiferencias&) const = default;
};

// The WHERE clause of the list (with its leading blank): the unreconciled first lines of the
// NCPE entries, narrowed by every filter that holds a value. Filter values are quoted with
// their apostrophes doubled; a difference without a state counts as state 0.
QString CondicionDiferencias(const FiltrosDiferencias& filtros);

// The list's statement, newest first.
QString SentenciaDiferencias(const FiltrosDiferencias& filtros);
