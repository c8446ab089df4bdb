#pragma once

#include "platform/errors/AccionError.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class Currency;
class ErrorEjecucion;
class QWidget;

// General helpers of the suite library: text to numbers, codes to their stored width, text
// clean-up, paths, the error dialog, the date picker, amounts in words and the encoding of
// credentials kept in INI files.
class UtilGeneral {
public:
    // The instance shared by the program (see ObjetosSuite.h).
    static UtilGeneral& Instancia();

    // The amount the text spells, read by the rule of LecturaNumero.h; whatever follows the
    // number is left out, and a text with no number (empty ones included) is 0.
    Currency ValorMoneda(const QString& texto) const;
    // An amount as a user types it in the locale's notation: digits, maybe grouped by threes
    // with the thousands separator, then up to four decimals after the decimal separator; a
    // leading minus. "1.500" is fifteen hundred, never one and a half. A blank text is 0.
    // Nothing when the text is not wholly such an amount ("abc", "12x", "(100)", "-", "1.5");
    // error 6 when it is one beyond what an amount holds.
    std::optional<Currency> ImporteEscrito(const QString& texto) const;
    // Whether the text, as it is being typed, can still become such an amount with at most
    // `decimales` decimals by typing on: "-", "1.", "1.5", "12," do; "1..", "12x", "1,2,3" and
    // figures beyond what an amount holds do not. With no decimals there is no decimal separator.
    bool ImporteEnCurso(const QString& texto, int decimales) const;
    // The same reading rounded to a whole number, halves to even; error 6 beyond 32 bits.
    int ValorEntero(const QString& texto) const;
    // True when the whole text, blanks around it aside, is one number by that rule; an empty
    // text is not.
    bool EsNumerico(const QString& texto) const;
    // The text of a field value in the user's notation; Null gives "".
    QString ValorCampo(const QVariant& valor) const;

    // Codes are stored the way the database keys them, and the program compares them with
    // what this gives: a four-character code made only of digits (blanks around it aside) is
    // right-aligned, padded with blanks on the left ("1", 4 -> "   1"); any other text, and a
    // code of any other width, is padded with blanks on the right ("FC", 4 -> "FC  ";
    // "1001", 25 -> "1001" and 21 blanks). A text of that width comes back as it is ("0001",
    // 4); a longer one is cut to the width, a four-digit code keeping its right part and any
    // other text its left part. Without a width the text comes back unchanged. A negative
    // width is error 5.
    QString Rellenar(const QString& texto, std::optional<int> ancho = std::nullopt) const;

    // Every character of every given text removed from `texto`.
    QString LimpiarTexto(const QString& texto, const QStringList& caracteres) const;
    // Every occurrence of `buscado` replaced, found without regard to case.
    QString Reemplazar(const QString& texto, const QString& buscado,
                       const QString& reemplazo) const;
    // Every occurrence of a name (a table, a placeholder) replaced, as Reemplazar does.
    QString SustituirNombre(const QString& texto, const QString& nombre,
                            const QString& nuevo) const;
    // Words separated by blanks, tabs or line breaks.
    int ContarPalabras(const QString& texto) const;
    // Whether the text equals an element of the list, compared as the database compares
    // codes: without regard to case or trailing blanks.
    bool EstaEnLista(const QString& texto, const QStringList& lista) const;
    // True when the value is blank: there is no account to split over cost centres.
    bool PruebaValor(const QString& cuenta) const;

    // The folder with exactly one trailing separator; "\" and "/" both separate on the way in,
    // the platform's separator comes out. An empty path stays empty.
    QString NormalizarRuta(const QString& ruta) const;
    // The amount in words (see NumerosEnLetras.h), the text read as ValorMoneda reads it.
    QString ImporteEnLetras(const QString& importe) const;

    // Reversible encoding of stored credentials: the text's UTF-8 bytes scrambled and written
    // as hexadecimal digits, so any text survives, "=" and ";" included, and the result is
    // safe in an INI line. A text that is not such an encoding decodes to itself.
    QString Codificar(const QString& texto) const;
    QString Decodificar(const QString& texto) const;

    // Shows the error with an Abort/Retry/Ignore box and appends what the operator answered
    // to SVERR.LOG in the program folder (a log that cannot be written loses the line).
    AccionError TratarError(const ErrorEjecucion& error, const QString& procedimiento) const;
    // Opens the date picker on the text's date (today when it holds none) and writes the
    // chosen date as "dd/mm/yyyy"; a cancelled picker leaves the text alone.
    void ElegirFecha(QString& fecha) const;
    // First step of every window's load: the window's own controls (spin boxes, date
    // editors) write numbers and dates as the program does, without grouping.
    void IniciarFormulario(QWidget& ventana) const;
};

namespace suite {
// The shared instance's TratarError as an error routine, for the procedures that trap their
// errors with it (see Procedimiento.h).
AccionError TratarError(const ErrorEjecucion& error, const QString& procedimiento);
} // namespace suite
