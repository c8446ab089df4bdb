// Times the list of the pending differences (all its pages) on a company with 100,000 of them,
// and the floor under it: the same query read through the SQLite C API and the same bytes
// written with fwrite. Prints both times and their ratio.
//
//   build/bench/bench_lista [differences [database file to keep and reuse]]

#include "EmpresaDiferencias.h"
#include "MedicionLista.h"
#include "dobles/DialogosGuionados.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    const int diferencias = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir carpeta;
    // A database named on the command line is kept, and reused when it exists (profiling).
    const QString base =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : carpeta.filePath("empresa.db");
    if (!QFile::exists(base)) {
        std::printf("Creando %d diferencias... ", diferencias);
        std::fflush(stdout);
        const double creacion = Cronometrar([&] {
            if (!CrearEmpresa(base, diferencias))
                std::exit(2);
        });
        std::printf("%.1f s\n", creacion);
    }

    DialogosGuionados operador; // any error is noted, never waited on
    DialogosEnUso enUso{operador};
    const QString programa = carpeta.filePath("Auditoria.htm");
    const QString piso = carpeta.filePath("Piso.htm");
    const piso::Tiempos t =
        piso::MedirEscritura(base, {.Estados = piso::kTodosLosEstados}, programa, piso);
    std::printf("writeHTML:            %.3f s\n", t.programa);
    std::printf("piso (SQLite+fwrite): %.3f s\n", t.piso);
    std::printf("razón:                %.2f\n", t.programa / t.piso);
    for (const auto& m : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(m.Texto));
    return !piso::MismasPaginas(programa, piso) || !operador.Mensajes.empty();
}
