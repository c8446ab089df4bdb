#include "session/DialectoOracle.h"

#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Texto.h"

#include <QStringList>

using vb::InStr;
using vb::Left;
using vb::Mid;
using vb::Replace;
using vb::Trim;

namespace DialectoOracle {

namespace {

const QString kFormatoFecha = QStringLiteral("'DD/MM/YYYY'");

// "SELECT TOP n ..." becomes a ROWNUM condition placed after the WHERE conditions and
// before any GROUP BY or ORDER BY clause.
QString LimiteDeFilas(const QString& valor) {
    const int t = InStr(valor, QStringLiteral("top"));
    const QString antes = Left(valor, t - 1);
    const QString resto = Trim(Mid(valor, t + 3));
    const int blanco = InStr(resto, QStringLiteral(" "));
    const QString n = blanco > 0 ? Left(resto, blanco - 1) : resto;
    QString cuerpo = blanco > 0 ? Trim(Mid(resto, blanco + 1)) : QString();

    QString colaGroup;
    QString colaOrder;
    if (const int g = InStr(valor, QStringLiteral(" GROUP BY ")); g > 0)
        colaGroup = Mid(valor, g);
    else if (const int o = InStr(valor, QStringLiteral("ORDER BY ")); o > 0)
        colaOrder = Mid(valor, o);
    const QString limite = InStr(valor, QStringLiteral(" WHERE ")) == 0
                               ? QStringLiteral(" WHERE ROWNUM <= ") + n
                               : QStringLiteral(" AND ROWNUM <= ") + n;
    cuerpo = Replace(cuerpo, Trim(colaGroup), QStringLiteral(" "));
    cuerpo = Replace(cuerpo, Trim(colaOrder), QStringLiteral(" "));
    return antes + u' ' + cuerpo + u' ' + limite + u' ' + colaGroup + u' ' + colaOrder;
}

QString FuncionLongitud(QString r) {
    for (int blancos = 0; blancos <= 4; ++blancos)
        r = Replace(r, QStringLiteral(" LEN") + QString(blancos, u' ') + u'(',
                    QStringLiteral(" LENGTH("));
    return r;
}

QString SinCorchetes(QString r) {
    return r.replace(u'[', u'"').replace(u']', u'"');
}

// Quoted day-first dates become TO_DATE calls. The same literal written twice is replaced
// twice over, so nested calls are folded back into one.
QString LiteralesDeFecha(const QString& r) {
    QString copia = r;
    int desde = 1;
    while (const int abre = InStr(desde, r, QStringLiteral("'"))) {
        const int cierra = InStr(abre + 1, r, QStringLiteral("'"));
        if (cierra == 0)
            vb::Raise(5);
        const QString dentro = Mid(r, abre + 1, cierra - abre - 1);
        if (vb::IsDate(dentro)) {
            const QString fecha = vb::CDate(dentro).date().toString(QStringLiteral("dd/MM/yyyy"));
            copia = Replace(copia, u'\'' + dentro + u'\'',
                            QStringLiteral("TO_DATE('") + fecha + QStringLiteral("',") +
                                kFormatoFecha + u')');
            while (InStr(copia, QStringLiteral("TO_DATE(TO_DATE(")) > 0) {
                copia =
                    Replace(copia, QStringLiteral("TO_DATE(TO_DATE("), QStringLiteral("TO_DATE("));
                copia = Replace(copia, kFormatoFecha + QStringLiteral("),") + kFormatoFecha + u')',
                                kFormatoFecha + u')');
            }
        }
        desde = cierra + 1;
    }
    return copia;
}

// Empty-text comparisons after the first WHERE read as IS NULL, as Oracle stores '' as NULL.
QString ComparacionesVacias(QString r) {
    for (const QString& buscado : {QStringLiteral("= ''"), QStringLiteral("=''")}) {
        const int p = InStr(r, QStringLiteral("WHERE "));
        if (p == 0)
            break;
        r = Left(r, p - 1) + Replace(Mid(r, p), buscado, QStringLiteral(" IS NULL "));
    }
    return r;
}

// Style 103 of CONVERT is the day-first date; only inside a TO_CHAR call it is a format.
QString Estilo103(QString r) {
    int k = InStr(r, QStringLiteral("103"));
    while (k > 0) {
        const int parentesis = vb::InStrRev(r, QStringLiteral("("), k);
        if (parentesis >= 8 && vb::Iguales(Mid(r, parentesis - 7, 8), QStringLiteral("TO_CHAR(")))
            r = Left(r, k - 1) + kFormatoFecha + Mid(r, k + 3);
        k = InStr(k + 3, r, QStringLiteral("103"));
    }
    return r;
}

const QStringList& PalabrasClave() {
    static const QStringList palabras = {
        QStringLiteral("INSERT "),         QStringLiteral("DELETE "),  QStringLiteral("UPDATE "),
        QStringLiteral("CREATE "),         QStringLiteral("DROP "),    QStringLiteral("ALTER "),
        QStringLiteral("SET TRANSACTION"), QStringLiteral("COMMIT"),   QStringLiteral("ROLLBACK"),
        QStringLiteral("IF NOT EXIST"),    QStringLiteral("IF EXIST"), QStringLiteral("GRANT ")};
    return palabras;
}

// The first position at or after `desde` where any keyword starts; 0 when none does.
int PrimeraPalabraClave(const QString& script, int desde) {
    int primera = 0;
    for (const QString& palabra : PalabrasClave()) {
        const int p = InStr(desde, script, palabra);
        if (p > 0 && (primera == 0 || p < primera))
            primera = p;
    }
    return primera;
}

} // namespace

QString AplicarReglas(const QString& valor) {
    QString r = valor;
    if (InStr(valor, QStringLiteral("top ")) > 0)
        r = LimiteDeFilas(valor);
    r = FuncionLongitud(r);
    r = SinCorchetes(r);
    r = LiteralesDeFecha(r);
    r = Replace(r, QStringLiteral("Charindex"), QStringLiteral("InStr"));
    r = Replace(r, QStringLiteral("CONVERT(NVARCHAR,"), QStringLiteral("TO_CHAR("));
    r = Replace(r, QStringLiteral("CONVERT(INT,"), QStringLiteral("TO_NUMBER("));
    r = ComparacionesVacias(r);
    r = Estilo103(r);
    r = Replace(r, QStringLiteral("SUBSTRING("), QStringLiteral("SUBSTR("));
    return Replace(r, QStringLiteral("ISNULL("), QStringLiteral("NVL("));
}

QString FiltrarSentencia(const QString& sentencia) {
    if (InStr(sentencia, QStringLiteral("SET NOCOUNT")) > 0 ||
        InStr(sentencia, QStringLiteral("IF NOT EXIST")) > 0)
        return QString();
    return sentencia;
}

QString NormalizarScript(const QString& script) {
    static const QString crlf = QStringLiteral("\r\n");
    const std::pair<QString, QString> cambios[] = {
        {QStringLiteral("SET NOCOUNT ON"), QString()},
        {QStringLiteral("SET NOCOUNT OFF"), QString()},
        {QStringLiteral(" GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO") + crlf, QStringLiteral(" ")},
        {QStringLiteral("\r"), QStringLiteral(" ")},
        {QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION")},
        {QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION")},
        {QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT")},
        {QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT")},
        {QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK")},
        {QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK")},
    };
    QString s = script;
    for (const auto& [buscado, reemplazo] : cambios)
        s = Replace(s, buscado, reemplazo);
    return s;
}

bool SiguienteSentencia(QString& script, QString& sentencia) {
    const int p = PrimeraPalabraClave(script, 1);
    if (p == 0)
        return false;
    const int q = PrimeraPalabraClave(script, p + 1);
    // Line feeds stay in a normalised script; a statement that ends a line still counts as
    // the bare COMMIT or ROLLBACK it is.
    sentencia = (q > 0 ? Mid(script, p, q - p) : Mid(script, p)).trimmed();
    script = q > 0 ? Mid(script, q) : QString();
    return true;
}

} // namespace DialectoOracle
