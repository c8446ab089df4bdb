// The list of pending differences shown by the main window in its real, engine-backed browser,
// offscreen, for lists of 1,000, 10,000 and 100,000 differences. Per size it prints the time
// from F9 to the list's page files all written and to the first page's load finished, the
// greatest memory the program and the engine's processes took together while the list was
// written, loaded and left on screen for a second, and the writer's time against the floor of
// bench_lista (best of three, without the browser). On the largest list it then times the
// link to page 2 followed as soon as the first page shows, while the later pages are still being
// written, against the same link followed once they all are (a warm view), three times.
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

// Seconds from `accion` to page `pagina` of the list shown whole in the view. Asked of the page
// itself: when a click is turned into the program's own navigation the engine may report the
// cancelled click's end, not the page's.
double HastaMostrar(frmAuditoria& frm, int pagina, const std::function<void()>& accion) {
    QWebEngineView* vista = Vista(frm);
    const QString esperado =
        QUrl::fromLocalFile(clsAuditoria_HTM::RutaPagina(frm.RutaInforme(), pagina)).toString() +
        QStringLiteral("|complete");
    double segundos = -1;
    bool preguntando = false;
    QElapsedTimer reloj;
    reloj.start();
    accion();
    EsperarMientras(
        [&] {
            if (!preguntando) {
                preguntando = true;
                vista->page()->runJavaScript(
                    QStringLiteral("decodeURI(location.href) + '|' + document.readyState"),
                    QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
                        if (segundos < 0 && v.toString() == esperado)
                            segundos = reloj.nsecsElapsed() / 1e9;
                        preguntando = false;
                    });
            }
            return segundos < 0;
        },
        60000);
    // The last answer must not land on this frame once it is gone.
    EsperarMientras([&] { return preguntando; }, 5000);
    return segundos;
}

// The link as the user clicks it, through the page itself (whose own scripts are off).
void Seguir(frmAuditoria& frm, const QString& enlace) {
    QWebEngineView* vista = Vista(frm);
    vista->page()->runJavaScript(
        QStringLiteral("document.querySelector('a[href=\"%1\"]').click()").arg(enlace),
        QWebEngineScript::ApplicationWorld);
}

struct Siguiente {
    double trasF9 = -1, tibia = -1;
    bool aTiempo = false; // the later pages were still being written when page 2 showed
};

Siguiente MedirSiguiente(frmAuditoria& frm) {
    const auto ir = [&](int pagina) {
        return HastaMostrar(frm, pagina,
                            [&] { Seguir(frm, QStringLiteral("_Pagina_%1").arg(pagina)); });
    };
    Siguiente s;
    // F9 is the program's own load, reported by the engine; the page shown before it is the same
    // file, complete, so it cannot be asked.
    QWebEngineView* vista = Vista(frm);
    bool cargada = false;
    const auto conexion =
        QObject::connect(vista, &QWebEngineView::loadFinished, [&] { cargada = true; });
    frm.CmdActualizar_Click();
    EsperarMientras([&] { return !cargada; }, 60000);
    QObject::disconnect(conexion);
    s.trasF9 = ir(2);
    s.aTiempo = frm.PaginasPorEscribir();
    EsperarMientras([&] { return frm.PaginasPorEscribir(); }, 120000);
    ir(1);
    Esperar(500);
    s.tibia = ir(2);
    // F9 keeps the user on their page: the next round starts from the first again.
    ir(1);
    return s;
}

// Each click right after F9 against the quickest load of the page in a warm view.
void ImprimirSiguiente(int n, const std::vector<Siguiente>& vueltas) {
    double tibia = 1e9;
    for (const Siguiente& s : vueltas)
        tibia = std::min(tibia, s.tibia);
    std::printf("Página 2 en vista tibia (%d): %.3f s, la mejor de %d\n", n, tibia,
                int(vueltas.size()));
    for (const Siguiente& s : vueltas)
        std::printf("Página 2 tras F9: %.3f s%s; razón %.2f (meta <= 1.3)\n", s.trasF9,
                    s.aTiempo ? "" : " (ya estaban todas escritas)", s.trasF9 / tibia);
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
    for (const auto& mensaje : operador.Mensajes)
        std::printf("Mensaje: %s\n", qPrintable(mensaje.Texto));
    return identicas && operador.Mensajes.empty() ? 0 : 1;
}
