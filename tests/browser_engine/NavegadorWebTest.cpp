#include "platform/browser_engine/NavegadorWeb.h"

#include "audit/clsAuditoria_HTM.h"
#include "detail_pages/EnlaceDetalle.h"
#include "dobles/DialogosGuionados.h"
#include "support/Apoyo.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineScript>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

using namespace EnlaceDetalle;

// What a script gives in the page shown, once the engine answers.
QString Leer(NavegadorWeb& navegador, const QString& expresion) {
    auto leido = std::make_shared<std::optional<QString>>();
    navegador.page()->runJavaScript(expresion, QWebEngineScript::ApplicationWorld,
                                    [leido](const QVariant& v) { *leido = v.toString(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return leido->has_value(); }, 30000));
    return leido->value_or(QStringLiteral("(sin respuesta)"));
}

// As the start script does: the engine runs as root only without its sandbox.
void PrepararMotor() {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
}

// The engine itself: a page written in a folder whose name holds address characters and marker
// words is loaded, its link clicked, and the handler reads every value of it back exactly.
TEST(NavegadorWeb, UnClicEnUnaPaginaEscritaDaCadaValorExacto) {
    PrepararMotor();
    QTemporaryDir dir;
    const QString carpeta = dir.filePath("a#b?c%41 d_tc_ articulo_");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    const QString pagina = carpeta + "/AuditoriaCBTEdetalles.htm";
    const QStringList valores = {"FC", "0_TC_", "21%2010102", "Ñ",
                                 "2.1 O'Brien /ARTICULO_9 %41%20%5F #?_CUENTA_ Ñ"};
    QFile archivo(pagina);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(
        ("<html><body>" +
         Ancla(ComprobanteConCuenta({valores[0], valores[1], valores[2], valores[3]}, valores[4])) +
         "enlace</A></body></html>")
            .toLatin1());
    archivo.close();

    NavegadorWeb navegador;
    QStringList recibidas;
    navegador.BeforeNavigate2 = [&](const QString& url, bool& cancel) {
        recibidas << url;
        cancel = Enrutar(Manejador::DetalleComprobante, url).Cancel;
    };
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    navegador.Navigate(QUrl::fromLocalFile(pagina).toString(QUrl::FullyEncoded));
    ASSERT_TRUE(cargada.wait(30000));
    EXPECT_TRUE(cargada.at(0).at(0).toBool());
    EXPECT_EQ(QUrl(navegador.LocationURL()).toLocalFile(), pagina);

    navegador.page()->runJavaScript(QStringLiteral("document.links[0].click()"),
                                    QWebEngineScript::ApplicationWorld);
    QTRY_COMPARE_WITH_TIMEOUT(recibidas.size(), 2, 30000);
    const Destino d = Enrutar(Manejador::DetalleComprobante, recibidas[1]);
    EXPECT_EQ(QStringList({d.TC, d.Sucursal, d.Numero, d.Letra, d.Cuenta}), valores);
    EXPECT_EQ(int(d.Abre), int(Ventana::NuevoDetalleComprobante));
    EXPECT_EQ(QUrl(navegador.LocationURL()).toLocalFile(), pagina);
}

// The page's process killed: the operator is told once, and loading the page again brings it
// back in a new process.
TEST(NavegadorWeb, UnProcesoDePaginaTerminadoSeAvisaYLaPaginaVuelve) {
    PrepararMotor();
    DialogosGuionados operador;
    DialogosEnUso enUso{operador};
    QTemporaryDir dir;
    const QString pagina = dir.filePath("Auditoria.htm");
    QFile archivo(pagina);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("<html><body>Diferencias</body></html>");
    archivo.close();
    const QString url = QUrl::fromLocalFile(pagina).toString(QUrl::FullyEncoded);

    NavegadorWeb navegador;
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    navegador.Navigate(url);
    ASSERT_TRUE(cargada.wait(30000));
    const qint64 proceso = navegador.page()->renderProcessPid();
    ASSERT_GT(proceso, 0);
    ASSERT_EQ(::kill(pid_t(proceso), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(operador.Mensajes.size(), size_t(1), 30000);
    EXPECT_TRUE(operador.Mensajes[0].Texto.contains("terminó de forma inesperada"));

    cargada.clear();
    navegador.Navigate(url);
    QTRY_VERIFY_WITH_TIMEOUT(!cargada.isEmpty(), 30000);
    EXPECT_TRUE(cargada.last().at(0).toBool());
    EXPECT_NE(navegador.page()->renderProcessPid(), proceso);
    EXPECT_EQ(operador.Mensajes.size(), 1u);
}

// The style sheet's Verdana, missing here, and text of no face at all both come out in the
// sans face the browser sets, as wide as a text asked for in that face; not in a serif.
TEST(NavegadorWeb, LasPaginasSalenEnUnaLetraSinSerifa) {
    PrepararMotor();
    QTemporaryDir dir;
    clsAuditoria_HTM().writeStyleCSS(dir.path());
    const QString texto = QStringLiteral("Diferencias 1 a 500 de 1234 Muñoz y Peña S.R.L.");
    QFile archivo(dir.filePath("Auditoria.htm"));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write((clsAuditoria_HTM::CabeceraHTML("Auditoria", false, QDate(2026, 12, 7)) +
                   QString("<span class=TableRow id=v>%1</span><br>"
                           "<span style=\"font: 10px 'DejaVu Sans'\" id=d>%1</span><br>"
                           "<span style=\"font: 10px serif\" id=s>%1</span><br>"
                           "<span id=n>%1</span><br>"
                           "<span style=\"font: 16px 'DejaVu Sans'\" id=dn>%1</span>")
                       .arg(texto))
                      .toLatin1());
    archivo.close();

    NavegadorWeb navegador;
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    navegador.Navigate(QUrl::fromLocalFile(archivo.fileName()).toString(QUrl::FullyEncoded));
    ASSERT_TRUE(cargada.wait(30000));
    QStringList anchos;
    navegador.page()->runJavaScript(
        QStringLiteral("['v','d','s','n','dn'].map(i => document.getElementById(i)"
                       ".getBoundingClientRect().width).join(' ')"),
        QWebEngineScript::ApplicationWorld,
        [&](const QVariant& resultado) { anchos = resultado.toString().split(' '); });
    QTRY_COMPARE_WITH_TIMEOUT(anchos.size(), 5, 30000);
    EXPECT_EQ(anchos[0], anchos[1]) << anchos.join(' ').toStdString();
    EXPECT_NE(anchos[0], anchos[2]) << anchos.join(' ').toStdString();
    EXPECT_EQ(anchos[3], anchos[4]) << anchos.join(' ').toStdString();
}

// The program's own script changes the text of the page shown even with the page's scripts
// off, quotes and backslashes included, and the page is not loaded again.
TEST(NavegadorWeb, UnTextoCambiaEnLaPaginaMostradaSinRecargarla) {
    PrepararMotor();
    QTemporaryDir dir;
    QFile archivo(dir.filePath("Auditoria.htm"));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("<html><body><TABLE><TR><TD ID=Diferencias>Diferencias 1 a 500</TD></TR></TABLE>"
                  "</body></html>");
    archivo.close();
    NavegadorWeb navegador;
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    navegador.Navigate(QUrl::fromLocalFile(archivo.fileName()).toString(QUrl::FullyEncoded));
    ASSERT_TRUE(cargada.wait(30000));

    const QString texto = QStringLiteral("Diferencias 1 a 500 de 1234 'O\"Brien\\' </TD>");
    navegador.CambiarTexto("Diferencias", texto);
    navegador.CambiarTexto("NoEsta", "nada");
    // Scripts run in the order they are given: the read comes after both changes.
    const auto leer = [&navegador](const QString& expresion) { return Leer(navegador, expresion); };
    EXPECT_EQ(leer("document.getElementById('Diferencias').textContent"), texto);

    // Markup put in place becomes part of the page: its links are links of the page.
    navegador.CambiarHtml("Diferencias", "<A ID=Ultima HREF=\"_Pagina_9\">&raquo;</A>");
    EXPECT_EQ(leer("document.getElementById('Ultima').getAttribute('href')"), "_Pagina_9");
    EXPECT_EQ(cargada.size(), 1);
}

// A page shown again from its top starts there, wherever the user had scrolled; the menu of a
// right click offers copying only, in Spanish, and no page is left to go back to.
TEST(NavegadorWeb, DesdeArribaYSoloCopiarEnElMenu) {
    PrepararMotor();
    QTemporaryDir dir;
    QFile archivo(dir.filePath("Auditoria.htm"));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("<html><body><div style=\"height: 5000px\">alto</div></body></html>");
    archivo.close();
    NavegadorWeb navegador;
    navegador.resize(400, 300);
    navegador.show();
    const QString url = QUrl::fromLocalFile(archivo.fileName()).toString(QUrl::FullyEncoded);
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    const auto leer = [&navegador](const QString& expresion) { return Leer(navegador, expresion); };
    for (int vez = 0; vez < 2; ++vez) {
        navegador.Navigate(url);
        ASSERT_TRUE(cargada.wait(30000));
        leer("window.scrollTo(0, 2000); window.scrollY");
    }
    navegador.NavigateDesdeArriba(url);
    ASSERT_TRUE(cargada.wait(30000));
    EXPECT_EQ(leer("window.scrollY"), "0");
    EXPECT_FALSE(navegador.history()->canGoBack());

    // A right click as the engine reports it: the menu is read and closed once it is up.
    QStringList opciones;
    QTimer mirar;
    QObject::connect(&mirar, &QTimer::timeout, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            for (QAction* a : menu->actions())
                opciones << a->text();
            menu->close();
        }
    });
    mirar.start(10);
    QWidget* vista = navegador.focusProxy() ? navegador.focusProxy() : &navegador;
    QTest::mouseClick(vista, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opciones.isEmpty(); }, 30000));
    EXPECT_EQ(opciones, QStringList({"Copiar", "Seleccionar todo"}));
}

QString PaginaAlta(QTemporaryDir& dir, const QString& nombre) {
    QFile archivo(dir.filePath(nombre));
    EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("<html><body><div style=\"height: 5000px\">alto</div></body></html>");
    return QUrl::fromLocalFile(archivo.fileName()).toString(QUrl::FullyEncoded);
}

// The page shown loaded again comes back where the user had it, though in a new page process;
// the process of the page it replaced ends with it.
TEST(NavegadorWeb, LaPaginaCargadaOtraVezQuedaEnSuLugarYElProcesoAnteriorTermina) {
    PrepararMotor();
    QTemporaryDir dir;
    const QString url = PaginaAlta(dir, "Auditoria.htm");
    NavegadorWeb navegador;
    navegador.resize(400, 300);
    navegador.show();
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    navegador.Navigate(url);
    ASSERT_TRUE(cargada.wait(30000));
    Leer(navegador, "window.scrollTo(0, 2000); window.scrollY");
    // The user's place reaches the program as the page is drawn there.
    QTRY_COMPARE_WITH_TIMEOUT(navegador.page()->scrollPosition().y(), 2000.0, 30000);
    const qint64 anterior = navegador.page()->renderProcessPid();

    navegador.Navigate(url);
    ASSERT_TRUE(cargada.wait(30000));
    EXPECT_EQ(Leer(navegador, "window.scrollY"), "2000");
    EXPECT_NE(navegador.page()->renderProcessPid(), anterior);
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(anterior), 0) != 0, 30000);
}

// A navigation of the program's that the handler cancels leaves the page shown as it was, and
// the keyboard stays with the browser across the pages it shows.
TEST(NavegadorWeb, UnaNavegacionCanceladaDejaLaPaginaYElFocoSigueEnElNavegador) {
    PrepararMotor();
    QTemporaryDir dir;
    const QString primera = PaginaAlta(dir, "Auditoria.htm");
    const QString segunda = PaginaAlta(dir, "Auditoria2.htm");
    QWidget ventana;
    QLineEdit otro;
    NavegadorWeb navegador;
    auto* capas = new QVBoxLayout(&ventana);
    capas->addWidget(&otro);
    capas->addWidget(&navegador);
    ventana.resize(400, 300);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    QSignalSpy cargada(&navegador, &QWebEngineView::loadFinished);
    navegador.Navigate(primera);
    ASSERT_TRUE(cargada.wait(30000));
    navegador.setFocus();
    ASSERT_TRUE(navegador.hasFocus());

    navegador.BeforeNavigate2 = [](const QString&, bool& cancel) { cancel = true; };
    navegador.Navigate(segunda);
    QTest::qWait(1000);
    EXPECT_EQ(navegador.LocationURL(), primera);
    EXPECT_EQ(Leer(navegador, "document.body.textContent"), "alto");

    navegador.BeforeNavigate2 = nullptr;
    navegador.Navigate(segunda);
    ASSERT_TRUE(cargada.wait(30000));
    EXPECT_EQ(navegador.LocationURL(), segunda);
    EXPECT_TRUE(navegador.hasFocus());
    EXPECT_FALSE(otro.hasFocus());
}

// Navigations one right after another, as fast as the pages load: each load the browser reports
// is of the page the program asked for, never of a page made ahead of its use.
TEST(NavegadorWeb, CadaCargaInformadaEsDeLaPaginaPedida) {
    PrepararMotor();
    QTemporaryDir dir;
    const QStringList urls = {PaginaAlta(dir, "Auditoria.htm"), PaginaAlta(dir, "Auditoria2.htm")};
    NavegadorWeb navegador;
    navegador.resize(400, 300);
    navegador.show();
    QStringList cargadas;
    QObject::connect(&navegador, &QWebEngineView::loadFinished, [&](bool ok) {
        cargadas << navegador.LocationURL() + (ok ? "" : " (falló)");
    });
    QStringList pedidas;
    for (int vez = 0; vez < 15; ++vez) {
        pedidas << urls[vez % 2];
        navegador.Navigate(pedidas.last());
        QTRY_COMPARE_WITH_TIMEOUT(cargadas.size(), pedidas.size(), 30000);
        QTest::qWait(vez % 3 * 20);
    }
    QTest::qWait(1000);
    EXPECT_EQ(cargadas, pedidas);
}

} // namespace
