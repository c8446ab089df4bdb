#include "platform/suite/UtilGeneral.h"

#include "platform/dialogs/Dialogos.h"
#include "platform/errors/ErrorEjecucion.h"
#include "platform/files/Carpetas.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/LecturaNumero.h"
#include "platform/suite/NumerosEnLetras.h"
#include "platform/suite/ObjetosSuite.h"
#include "platform/suite/RegistroErrores.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QWidget>

namespace {

bool SoloDigitos(const QString& texto) {
    if (texto.isEmpty())
        return false;
    for (QChar c : texto)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The byte that scrambles the byte at `posicion`; it changes along the text so that equal
// characters do not show as equal digits.
char Mascara(qsizetype posicion) {
    return char((0xA5 + 31 * posicion) & 0xFF);
}

QByteArray Mezclar(QByteArray bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ Mascara(i));
    return bytes;
}

bool EsHexadecimal(const QString& texto) {
    static const QRegularExpression hexadecimal(QStringLiteral("^(?:[0-9A-Fa-f]{2})+$"));
    return hexadecimal.match(texto).hasMatch();
}

} // namespace

UtilGeneral& UtilGeneral::Instancia() {
    return suite::ObjetoCompartido<UtilGeneral>();
}

Currency UtilGeneral::ValorMoneda(const QString& texto) const {
    const suite::NumeroLeido leido = suite::LeerNumero(texto);
    if (leido.Cifra.isEmpty())
        return Currency();
    QString enLocale = leido.Cifra;
    return Currency::DesdeTexto(enLocale.replace(u'.', Locale::SeparadorDecimal()));
}

namespace {

// An amount is read at every key and every total: its pattern, which follows the locale's
// separators, is compiled once for each form it takes.
const QRegularExpression& Patron(const QString& patron) {
    thread_local QHash<QString, QRegularExpression> compilados;
    auto it = compilados.find(patron);
    if (it == compilados.end())
        it = compilados.insert(patron, QRegularExpression(patron));
    return *it;
}

} // namespace

std::optional<Currency> UtilGeneral::ImporteEscrito(const QString& texto) const {
    const QString limpio = texto.trimmed();
    if (limpio.isEmpty())
        return Currency();
    const QString miles = QRegularExpression::escape(QString(Locale::SeparadorMiles()));
    const QString decimal = QRegularExpression::escape(QString(Locale::SeparadorDecimal()));
    const QRegularExpression& forma =
        Patron("^-?(\\d+|\\d{1,3}(?:" + miles + "\\d{3})+)(?:" + decimal + "(\\d{0,4}))?$");
    const QRegularExpressionMatch m = forma.match(limpio);
    if (!m.hasMatch())
        return std::nullopt;
    const QString entera = m.captured(1).remove(Locale::SeparadorMiles());
    const QString cifra = (limpio.startsWith(u'-') ? QStringLiteral("-") : QString()) + entera +
                          u'.' + m.captured(2) + u'0';
    const std::optional<Currency> importe = Currency::DesdeTextoSql(cifra);
    if (!importe)
        vb::Raise(6);
    return importe;
}

bool UtilGeneral::ImporteEnCurso(const QString& texto, int decimales) const {
    const QString miles = QRegularExpression::escape(QString(Locale::SeparadorMiles()));
    const QString decimal = QRegularExpression::escape(QString(Locale::SeparadorDecimal()));
    const QString fraccion =
        decimales > 0 ? "(?:" + decimal + "\\d{0," + QString::number(decimales) + "})?" : QString();
    // Nothing yet, plain figures or whole groups of thousands (maybe with decimals), or a group
    // of thousands still being typed.
    const QRegularExpression& forma =
        Patron("^-?(?:|(?:\\d+|\\d{1,3}(?:" + miles + "\\d{3})+)" + fraccion +
               "|\\d{1,3}(?:" + miles + "\\d{3})*" + miles + "\\d{0,2})$");
    const QRegularExpressionMatch m = forma.match(texto);
    if (!m.hasMatch())
        return false;
    QString cifra = texto;
    cifra.remove(Locale::SeparadorMiles()).replace(Locale::SeparadorDecimal(), u'.');
    if (cifra.endsWith(u'.'))
        cifra.chop(1);
    const bool sinCifras = cifra.isEmpty() || cifra == u"-";
    return sinCifras || Currency::DesdeTextoSql(cifra).has_value();
}

int UtilGeneral::ValorEntero(const QString& texto) const {
    return vb::CLng(ValorMoneda(texto));
}

bool UtilGeneral::EsNumerico(const QString& texto) const {
    const suite::NumeroLeido leido = suite::LeerNumero(texto);
    return !leido.Cifra.isEmpty() && leido.Completo;
}

QString UtilGeneral::ValorCampo(const QVariant& valor) const {
    return vb::ValorTexto(valor);
}

QString UtilGeneral::Rellenar(const QString& texto, std::optional<int> ancho) const {
    if (!ancho)
        return texto;
    if (*ancho < 0)
        vb::Raise(5);
    // Only the four-character codes are stored right-aligned; an article code "1001" is
    // "1001" and blanks, as any other text.
    constexpr int anchoAlineado = 4;
    const QString codigo = texto.trimmed();
    if (*ancho == anchoAlineado && SoloDigitos(codigo))
        return codigo.size() > *ancho ? codigo.right(*ancho) : codigo.rightJustified(*ancho);
    return texto.leftJustified(*ancho, u' ', true);
}

QString UtilGeneral::LimpiarTexto(const QString& texto, const QStringList& caracteres) const {
    QString limpio = texto;
    for (const QString& quitar : caracteres)
        for (QChar c : quitar)
            limpio.remove(c);
    return limpio;
}

QString UtilGeneral::Reemplazar(const QString& texto, const QString& buscado,
                                const QString& reemplazo) const {
    return vb::Replace(texto, buscado, reemplazo);
}

QString UtilGeneral::SustituirNombre(const QString& texto, const QString& nombre,
                                     const QString& nuevo) const {
    return Reemplazar(texto, nombre, nuevo);
}

int UtilGeneral::ContarPalabras(const QString& texto) const {
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    return int(texto.split(blancos, Qt::SkipEmptyParts).size());
}

bool UtilGeneral::EstaEnLista(const QString& texto, const QStringList& lista) const {
    for (const QString& elemento : lista)
        if (vb::Iguales(vb::RTrim(texto), vb::RTrim(elemento)))
            return true;
    return false;
}

bool UtilGeneral::PruebaValor(const QString& cuenta) const {
    return cuenta.trimmed().isEmpty();
}

QString UtilGeneral::NormalizarRuta(const QString& ruta) const {
    QString normal = archivos::RutaPlataforma(ruta);
    if (normal.isEmpty())
        return normal;
    const QChar separador = QDir::separator();
    while (normal.endsWith(separador))
        normal.chop(1);
    return normal + separador;
}

QString UtilGeneral::ImporteEnLetras(const QString& importe) const {
    return suite::EnLetras(ValorMoneda(importe));
}

QString UtilGeneral::Codificar(const QString& texto) const {
    return QString::fromLatin1(Mezclar(texto.toUtf8()).toHex().toUpper());
}

QString UtilGeneral::Decodificar(const QString& texto) const {
    if (!EsHexadecimal(texto))
        return texto;
    const QByteArray bytes = Mezclar(QByteArray::fromHex(texto.toLatin1()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decodificado = utf8.decode(bytes);
    return utf8.hasError() ? texto : decodificado;
}

AccionError UtilGeneral::TratarError(const ErrorEjecucion& error,
                                     const QString& procedimiento) const {
    const QString mensaje = suite::MensajeError(error.Number(), error.Description().trimmed());
    const QString rutina = procedimiento.trimmed();
    QString texto = mensaje;
    if (!rutina.isEmpty())
        texto += QStringLiteral("\r\n\r\nProcedimiento: ") + rutina;
    const int respuesta = MsgBox(texto, vbAbortRetryIgnore + vbCritical,
                                 error.Source() + QStringLiteral(" - Aviso al operador"));
    suite::AnotarError(suite::RegistroErroresPrograma(),
                       rutina.isEmpty() ? QString() : QStringLiteral("- ") + rutina, mensaje,
                       respuesta);
    return ComoAccionError(respuesta);
}

AccionError suite::TratarError(const ErrorEjecucion& error, const QString& procedimiento) {
    return UtilGeneral::Instancia().TratarError(error, procedimiento);
}

void UtilGeneral::ElegirFecha(QString& fecha) const {
    const QDate inicial = vb::IsDate(fecha) ? vb::CDate(fecha).date() : QDate::currentDate();
    if (const std::optional<QDate> elegida = Dialogos::Actual().ElegirFecha(inicial))
        fecha = elegida->toString(QStringLiteral("dd/MM/yyyy"));
}

void UtilGeneral::IniciarFormulario(QWidget& ventana) const {
    ventana.setLocale(Locale::Actual());
}
