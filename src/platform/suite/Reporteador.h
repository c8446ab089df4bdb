#pragma once

#include "platform/dialogs/Dialogos.h"
#include "platform/suite/FuenteReporte.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// Prints the program's named reports through Qt print support, on the printer in use or into
// the PDF file the printer settings name. The rows come from the installed FuenteReporte.
// Known reports: "Asientos" (name compared without regard to case).
class Reporteador {
public:
    // The only destination: the printer of the settings (or their PDF file).
    static constexpr int DestinoImpresora = 0;
    // Setting this state ends the print job: the settings fixed for it are let go, so the
    // next report follows the next printer dialog.
    static constexpr int EstadoTerminado = 10;

    static Reporteador& Instancia();
    // Installs the source of rows (not owned) for every report of the run and gives back the
    // one it replaces; nullptr leaves none.
    static FuenteReporte* EstablecerFuente(FuenteReporte* fuente);

    // Where the program lives; kept for the reports, which need nothing from it yet.
    void SetConexionReporte(const QString& carpeta) { conexion_ = carpeta; }
    const QString& ConexionReporte() const { return conexion_; }
    void SetDestinoReporte(int destino) { destino_ = destino; }
    int DestinoReporte() const { return destino_; }
    // The printer settings the next report uses: the ones fixed with FijarOpcion, else those
    // of the last printer dialog accepted, else the system's default printer.
    AjustesImpresora LeerOpcion() const;
    void FijarOpcion(const AjustesImpresora& ajustes) { fijada_ = ajustes; }
    void SetEstadoReporte(int estado);

    // Prints the report. `formulas` and `textosFormula` hold "NAME = 'value'" texts (empty
    // ones are skipped); "EMPRESA" names the company, "ENQUEMONEDA" the code of the currency
    // the source names. The selection picks the rows; it is not printed. An unknown report, a
    // destination other than the printer or a missing source are error 5 or 91; a printer that
    // cannot print is error 482, a PDF file that cannot be written error 75.
    void ImprimirReporte(const QString& reporte, const QStringList& formulas,
                         const QString& seleccion, const QString& conexion,
                         const QStringList& textosFormula = {});

    // "NAME = 'value'" texts as name (upper case) to value without its quotes.
    static QMap<QString, QString> LeerFormulas(const QStringList& textos);

private:
    void Comprobar(const QString& reporte) const;

    QString conexion_;
    int destino_ = DestinoImpresora;
    std::optional<AjustesImpresora> fijada_;
};
