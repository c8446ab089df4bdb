// The list of pending differences shown by the main window in its real, engine-backed browser,
// offscreen, for lists of 1,000, 10,000 and 100,000 differences. Per size it prints the time
// from F9 to the list's page files all written and to the first page's load finished, the
// greatest memory the program and the engine's processes took together while the list was
// written, loaded and left on screen for a second, and the writer's time against the floor of
// bench_lista (best of three, without the browser). On the largest list it then times, three
// times, F9 to its first page shown and the link to page 2 followed as soon as it shows, while
// the later pages are still being written, each against the same page loaded once they all are
// (a warm view); and then the memory left after each of 20 F9s.
//
//   build/bench/bench_paginas [differences...]

#include "EmpresaDiferencias.h"
#include "MedicionLista.h"
#include "audit/frmAuditoria.h"
#include "dobles/DialogosGuionados.h"
#include "platform/browser/Navegador.h"
#include "platform/browser_engine/NavegadorWeb.h"
#include "platform/files/Carpetas.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// ---- Memory -------------------------------------------------------------------------------

// A number field ("Pss:", "VmHWM:", in kB) of a /proc file, in MB; 0 when missing.
double CampoProc(const QString& archivo, const QByteArray& campo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linea : f.readAll().split('\n'))
        if (linea.startsWith(campo))
            return linea.mid(campo.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

int Padre(const QString& pid) {
    QFile f("/proc/" + pid + "/stat");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = f.readAll();
    // After the command, which is in parentheses: state, then the parent's pid.
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(1).toInt();
}

// The processes this one started, and theirs: the engine's.
QStringList ProcesosDelMotor() {
    const int yo = int(getpid());
    QStringList todos = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QList<int> nuestros{yo};
    QStringList hallados;
    for (bool mas = true; mas;) {
        mas = false;
        for (const QString& pid : todos) {
            const int n = pid.toInt();
            if (n > 0 && !nuestros.contains(n) && nuestros.contains(Padre(pid))) {
                nuestros << n;
                hallados << pid;
                mas = true;
            }
        }
    }
    return hallados;
}

// Proportional set sizes, so that pages shared between the engine's processes count once.
struct Memoria {
    double programa = 0, motor = 0, mayorProceso = 0;
    int procesos = 0;

    void Muestrear() {
        const double propio = CampoProc("/proc/self/smaps_rollup", "Pss:");
        double suma = 0;
        const QStringList pids = ProcesosDelMotor();
        for (const QString& pid : pids) {
            suma += CampoProc("/proc/" + pid + "/smaps_rollup", "Pss:");
            mayorProceso = std::max(mayorProceso, CampoProc("/proc/" + pid + "/status", "VmHWM:"));
        }
        if (propio + suma > programa + motor) {
            programa = propio;
            motor = suma;
        }
        procesos = std::max(procesos, int(pids.size()));
    }
};

// ---- One size -------------------------------------------------------------------------------

struct Medida {
    double escritas = -1, cargada = -1;
    int paginas = 0;
    Memoria memoria;
};

void EsperarMientras(const std::function<bool()>& condicion, int limiteMs) {
    QElapsedTimer reloj;
    reloj.start();
    while (condicion() && reloj.elapsed() < limiteMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Esperar(int ms) {
    EsperarMientras([] { return true; }, ms);
}

// The engine's view the window shows its pages in.
QWebEngineView* Vista(frmAuditoria& frm) {
    return dynamic_cast<QWebEngineView*>(frm.wbExplorer().Control());
}

// The main window of a session on `base`, showing about:blank.
frmAuditoria& AbrirVentana(const QString& base) {
    ModGlobal::IniciarSesion(false, "@Server=SQLITE;@DbName=" + base +
                                        ";@Usuario=demo;@Password=;@UsuarioLogeado=demo;@Caja=1;");
    frmAuditoria& frm = Instancia<frmAuditoria>();
    QWebEngineView* vista = Vista(frm);
    bool enBlanco = false;
    const auto conexion =
        QObject::connect(vista, &QWebEngineView::loadFinished, [&] { enBlanco = true; });
    frm.Load();
    frm.Show();
    EsperarMientras([&] { return !enBlanco; }, 30000);
    QObject::disconnect(conexion);
    return frm;
}

// F9 as the user presses it, the list's first page shown, then left on screen for a second
// (its layout and painting go on after its load).
Medida MedirF9(frmAuditoria& frm) {
    QWebEngineView* vista = Vista(frm);
    Medida m;
    QElapsedTimer reloj;
    const auto conexion = QObject::connect(vista, &QWebEngineView::loadFinished, [&](bool ok) {
        if (ok && m.cargada < 0)
            m.cargada = reloj.nsecsElapsed() / 1e9;
    });
    // Reading the processes' maps takes milliseconds each time: done beside the window, as it
    // would otherwise be counted in the window's own time.
    std::atomic<bool> midiendo{true};
    std::thread muestreo([&] {
        while (midiendo) {
            m.memoria.Muestrear();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    reloj.start();
    frm.CmdActualizar_Click();
    EsperarMientras(
        [&] {
            if (m.escritas < 0 && !frm.PaginasPorEscribir())
                m.escritas = reloj.nsecsElapsed() / 1e9;
            return m.escritas < 0 || m.cargada < 0;
        },
        120000);
    Esperar(1000);
    midiendo = false;
    muestreo.join();
    m.memoria.Muestrear();
    QObject::disconnect(conexion);
    while (QFile::exists(clsAuditoria_HTM::RutaPagina(frm.RutaInforme(), m.paginas + 1)))
        ++m.paginas;
    return m;
}

// Marks the document shown, in the program's own script world: a document loaded afterwards,
// even of the same file, has no mark.
void Marcar(QWebEngineView* vista) {
    bool marcado = false;
    vista->page()->runJavaScript(QStringLiteral("window.medido = true"),
                                 QWebEngineScript::ApplicationWorld,
                                 [&](const QVariant&) { marcado = true; });
    EsperarMientras([&] { return !marcado; }, 10000);
}

struct Muestra {
    double segundos = -1;
    double programa = -1; // of them, until `accion` returned: the program's own part
};

// Seconds from `accion` to page `pagina` of the list shown whole in the view, in a document
// loaded after `accion`. Asked of the page itself: when a click is turned into the program's own
// navigation the engine may report the cancelled click's end, not the page's.
Muestra HastaMostrar(frmAuditoria& frm, int pagina, const std::function<void()>& accion) {
    QWebEngineView* vista = Vista(frm);
    const QString esperado =
        QUrl::fromLocalFile(clsAuditoria_HTM::RutaPagina(frm.RutaInforme(), pagina)).toString() +
        QStringLiteral("|complete");
    Marcar(vista);
    Muestra m;
    bool preguntando = false;
    QElapsedTimer reloj;
    reloj.start();
    accion();
    m.programa = reloj.nsecsElapsed() / 1e9;
    EsperarMientras(
        [&] {
            if (!preguntando) {
                preguntando = true;
                vista->page()->runJavaScript(
                    QStringLiteral("decodeURI(location.href) + '|' + document.readyState + "
                                   "(window.medido ? '|antes' : '')"),
                    QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
                        if (m.segundos < 0 && v.toString() == esperado)
                            m.segundos = reloj.nsecsElapsed() / 1e9;
                        preguntando = false;
                    });
            }
            return m.segundos < 0;
        },
        60000);
    // The last answer must not land on this frame once it is gone.
    EsperarMientras([&] { return preguntando; }, 5000);
    return m;
}

// The link as the user clicks it, through the page itself (whose own scripts are off).
void Seguir(frmAuditoria& frm, const QString& enlace) {
    QWebEngineView* vista = Vista(frm);
    vista->page()->runJavaScript(
        QStringLiteral("document.querySelector('a[href=\"%1\"]').click()").arg(enlace),
        QWebEngineScript::ApplicationWorld);
}

struct Siguiente {
    Muestra f9;               // the first page, shown by F9
    double trasF9 = -1;       // page 2, clicked as soon as F9 showed the first
    double tibia = -1;        // page 2 in a warm view
    double tibiaPrimera = -1; // the first page in a warm view
    bool aTiempo = false;     // the later pages were still being written when page 2 showed
};

Siguiente MedirSiguiente(frmAuditoria& frm) {
    const auto ir = [&](int pagina) {
        return HastaMostrar(frm, pagina,
                            [&] { Seguir(frm, QStringLiteral("_Pagina_%1").arg(pagina)); })
            .segundos;
    };
    Siguiente s;
    // F9 keeps the user on their page: the first, where the last round left them.
    s.f9 = HastaMostrar(frm, 1, [&] { frm.CmdActualizar_Click(); });
    s.trasF9 = ir(2);
    s.aTiempo = frm.PaginasPorEscribir();
    EsperarMientras([&] { return frm.PaginasPorEscribir(); }, 120000);
    ir(1);
    Esperar(500);
    s.tibia = ir(2);
    Esperar(500);
    s.tibiaPrimera = ir(1);
    return s;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Every try of a warm load, for the spread the engine has of itself.
std::string Cada(const std::vector<Siguiente>& vueltas, double Siguiente::*medida) {
    QStringList tiempos;
    for (const Siguiente& s : vueltas)
        tiempos << QString::number(s.*medida, 'f', 3);
    return tiempos.join(QStringLiteral(", ")).toStdString();
}

// Each load right after F9 against the quickest load of the same page in a warm view, and the
// median of the tries. F9's own time holds the writing of the first page, shown apart.
void ImprimirSiguiente(int n, const std::vector<Siguiente>& vueltas) {
    double tibia = 1e9, tibiaPrimera = 1e9;
    std::vector<double> segunda, primera;
    for (const Siguiente& s : vueltas) {
        tibia = std::min(tibia, s.tibia);
        tibiaPrimera = std::min(tibiaPrimera, s.tibiaPrimera);
    }
    std::printf("Página 1 en vista tibia (%d): %.3f s, la mejor de %s\n", n, tibiaPrimera,
                Cada(vueltas, &Siguiente::tibiaPrimera).c_str());
    for (const Siguiente& s : vueltas) {
        primera.push_back(s.f9.segundos / tibiaPrimera);
        std::printf("Página 1 por F9: %.3f s, %.3f s de ellos en escribirla; razón %.2f (meta <= "
                    "1.3 la mediana, 1.5 cada una)\n",
                    s.f9.segundos, s.f9.programa, primera.back());
    }
    std::printf("Página 2 en vista tibia (%d): %.3f s, la mejor de %s\n", n, tibia,
                Cada(vueltas, &Siguiente::tibia).c_str());
    for (const Siguiente& s : vueltas) {
        segunda.push_back(s.trasF9 / tibia);
        std::printf("Página 2 tras F9: %.3f s%s; razón %.2f (meta <= 1.3 la mediana, 1.5 cada "
                    "una)\n",
                    s.trasF9, s.aTiempo ? "" : " (ya estaban todas escritas)", segunda.back());
    }
    std::printf("Mediana de las razones: página 1 por F9 %.2f, página 2 tras F9 %.2f\n",
                Mediana(primera), Mediana(segunda));
}

// The program's and the engine's memory together, once the list shown by each of `veces` F9s
// has been written whole and left on screen for a second: it must not grow with them.
std::vector<double> MemoriaTrasF9(frmAuditoria& frm, int veces) {
    std::vector<double> megas;
    for (int vez = 0; vez < veces; ++vez) {
        HastaMostrar(frm, 1, [&] { frm.CmdActualizar_Click(); });
        EsperarMientras([&] { return frm.PaginasPorEscribir(); }, 120000);
        Esperar(1000);
        Memoria m;
        m.Muestrear();
        megas.push_back(m.programa + m.motor);
    }
    return megas;
}

void ImprimirMemoria(int n, const std::vector<double>& megas) {
    std::printf("Memoria tras cada F9 (%d), programa y motor (MB):", n);
    for (const double mb : megas)
        std::printf(" %.0f", mb);
    std::printf("\n");
}

// The newest `n` differences of the company, all of them when `n` is its size.
void Filtrar(frmAuditoria& frm, int n, int total) {
    const QString desde = n < total ? FechaDiferencia(n).toString("dd/MM/yyyy") : QString();
    frm.txtFields().Campo("Fecha_DESDE").SetText(desde);
    frm.txtFields().Campo("Fecha_HASTA").SetText({});
}

void Imprimir(int n, const Medida& m, const piso::Tiempos& t) {
    std::printf("%12d %8d %12.3f %12.3f %6.0f + %4.0f = %5.0f %13.0f MB %8.2f\n", n, m.paginas,
                m.escritas, m.cargada, m.memoria.programa, m.memoria.motor,
                m.memoria.programa + m.memoria.motor, m.memoria.mayorProceso, t.programa / t.piso);
}

} // namespace

int main(int argc, char** argv) {
    // As the start script does: the engine runs as root only without its sandbox.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    NavegadorWeb::Instalar();
    QTemporaryDir carpeta;
    qputenv("TEMP", carpeta.path().toLocal8Bit());
    archivos::FijarCarpetaPrograma(carpeta.path());
    DialogosGuionados operador; // any message is noted, never waited on
    DialogosEnUso enUso{operador};

    std::vector<int> tamanos;
    for (int i = 1; i < argc; ++i)
        tamanos.push_back(std::atoi(argv[i]) / 100 * 100);
    if (tamanos.empty())
        tamanos = {1000, 10000, 100000};
    const int total = *std::max_element(tamanos.begin(), tamanos.end());
    const QString base = carpeta.filePath("empresa.db");
    std::printf("Creando %d diferencias... ", total);
    std::fflush(stdout);
    if (!CrearEmpresa(base, total, true))
        return 2;
    malloc_trim(0); // what making the company took is no part of the program's memory
    std::printf("listo. %d filas por página.\n", clsAuditoria_HTM::FilasPorPagina);

    // One window, as the user keeps it: F9 on a larger list each time, once the last one had
    // its time on screen.
    std::vector<Medida> medidas;
    frmAuditoria& frm = AbrirVentana(base);
    for (const int n : tamanos) {
        Filtrar(frm, n, total);
        Esperar(2000);
        medidas.push_back(MedirF9(frm));
    }
    std::vector<Siguiente> siguientes;
    for (int vuelta = 0; vuelta < 3; ++vuelta)
        siguientes.push_back(MedirSiguiente(frm));
    const std::vector<double> memoria = MemoriaTrasF9(frm, 20);
    frm.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    std::printf("%12s %8s %12s %12s %22s %16s %8s\n", "diferencias", "páginas", "escritas (s)",
                "cargada (s)", "memoria máx. (MB)", "mayor proceso", "razón");
    bool identicas = true;
    for (size_t i = 0; i < tamanos.size(); ++i) {
        const int n = tamanos[i];
        FiltrosDiferencias filtros{.Estados = piso::kTodosLosEstados};
        if (n < total)
            filtros.Fecha_Desde = FechaDiferencia(n).toString("yyyy-MM-dd");
        const QString programa = carpeta.filePath("Escritor.htm");
        const QString piso = carpeta.filePath("Piso.htm");
        const piso::Tiempos t = piso::MedirEscritura(base, filtros, programa, piso);
        identicas = piso::MismasPaginas(programa, piso) && identicas;
        Imprimir(n, medidas[i], t);
    }
    ImprimirSiguiente(total, siguientes);
    ImprimirMemoria(total, memoria);
    for (const auto& mensaje : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(mensaje.Texto));
    return identicas && operador.Mensajes.empty() ? 0 : 1;
}
