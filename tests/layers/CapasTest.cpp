#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The folders each folder of src/ may include besides itself, and through them whatever they
// may include. Above platform a folder uses all of it; inside platform each part names the
// parts its library links.
const QMap<QString, QStringList>& Permitidas() {
    static const QMap<QString, QStringList> tabla = {
        {"app",
         {"detail_pages", "entries", "cost_centres", "audit", "lookup", "session", "platform",
          "platform/browser_engine"}},
        {"detail_pages", {"audit", "lookup", "session", "platform"}},
        {"entries", {"audit", "lookup", "session", "platform"}},
        {"audit", {"lookup", "session", "platform"}},
        {"cost_centres", {"lookup", "session", "platform"}},
        {"lookup", {"session", "platform"}},
        {"session", {"platform"}},
        {"platform/errors", {}},
        {"platform/runtime", {"platform/errors"}},
        {"platform/ado", {"platform/errors", "platform/runtime"}},
        {"platform/files", {"platform/errors", "platform/runtime"}},
        {"platform/dialogs", {"platform/errors", "platform/runtime"}},
        {"platform/forms", {"platform/dialogs", "platform/errors"}},
        {"platform/browser", {"platform/dialogs", "platform/errors"}},
        {"platform/browser_engine", {"platform/browser"}},
        {"platform/controls", {"platform/forms", "platform/errors"}},
        {"platform/suite",
         {"platform/dialogs", "platform/forms", "platform/files", "platform/runtime"}},
    };
    return tabla;
}

// The folder a path under src/ belongs to: its first part, or its first two inside platform.
QString Carpeta(const QString& ruta) {
    const QStringList partes = ruta.split(u'/');
    if (partes.size() > 2 && partes[0] == QLatin1String("platform"))
        return partes[0] + u'/' + partes[1];
    return partes.size() > 1 ? partes[0] : QString();
}

bool Alcanza(const QString& desde, const QString& hacia, QSet<QString>& vistas) {
    // The web engine's browser is the program's alone: no folder above platform reaches it.
    const bool deLaPlataforma =
        hacia.startsWith("platform/") && hacia != QLatin1String("platform/browser_engine");
    if (desde == hacia || (desde == QLatin1String("platform") && deLaPlataforma))
        return true;
    if (vistas.contains(desde))
        return false;
    vistas.insert(desde);
    for (const QString& siguiente : Permitidas().value(desde))
        if (Alcanza(siguiente, hacia, vistas))
            return true;
    return false;
}

bool PuedeIncluir(const QString& desde, const QString& hacia) {
    QSet<QString> vistas;
    return Alcanza(desde, hacia, vistas);
}

// Every include of the file that names a folder: quoted ones always, angled ones when their
// first part is a folder of src/ (a library's header reached as a system one).
QStringList IncluyeCarpetas(const QString& archivo, const QSet<QString>& raices) {
    static const QRegularExpression include(
        QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"),
        QRegularExpression::MultilineOption);
    QFile f(archivo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << archivo.toStdString();
    QStringList incluidas;
    for (const auto& m : include.globalMatch(QString::fromUtf8(f.readAll()))) {
        const QString ruta = m.captured(2);
        if (ruta.contains(u'/') &&
            (m.captured(1) == u'"' || raices.contains(ruta.section(u'/', 0, 0))))
            incluidas << ruta;
    }
    return incluidas;
}

TEST(Capas, CadaCarpetaIncluyeSoloLasQuePuede) {
    const QDir src(QStringLiteral(AUDITORIA_SOURCE_DIR));
    const QSet<QString> raices = [&] {
        const QStringList nombres = src.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        return QSet<QString>(nombres.begin(), nombres.end());
    }();
    QStringList faltas;
    int leidos = 0;
    QDirIterator it(src.path(), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = src.relativeFilePath(it.next());
        const QString carpeta = Carpeta(ruta);
        ++leidos;
        if (!Permitidas().contains(carpeta)) {
            faltas << ruta + ": la carpeta no figura en la tabla";
            continue;
        }
        for (const QString& incluida : IncluyeCarpetas(it.filePath(), raices))
            if (!PuedeIncluir(carpeta, Carpeta(incluida)))
                faltas << ruta + ": " + incluida;
    }
    EXPECT_GT(leidos, 100) << "no se leyeron las fuentes de " << src.path().toStdString();
    EXPECT_TRUE(faltas.isEmpty()) << faltas.join(u'\n').toStdString();
}

} // namespace
