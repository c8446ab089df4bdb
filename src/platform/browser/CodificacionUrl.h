#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The one percent codec of the program: the values the pages put into their links, and the
// addresses the browser hands back.
//
// The browser reports an address percent-encoded, but not as it was written: it unescapes an
// escaped unreserved character on its own ("%5F" comes back as "_", "%41" as "A"). The links'
// values are therefore written so that the escapes they need survive that: their UTF-8 bytes
// percent-encoded, unreserved characters (A-Z a-z 0-9 - . ~) as they are, and "_" and "%"
// escaped twice ("%255F", "%2525"). A value then holds no "_" anywhere in the address the
// browser reports, so the underscores of a link are all its own separators.

// Appends `valor` written for a link; into a file's bytes, the same characters.
void AgregarValorUrl(QString& destino, const QString& valor);
void AgregarValorUrl(QByteArray& destino, QStringView valor);

// The value exactly as AgregarValorUrl was given it, from its text cut out of a reported
// address.
QString LeerValorUrl(const QString& escrito);

// Every escape read once. A run of escapes is read as UTF-8, the way the engine writes them;
// a run that is not UTF-8 (written by hand in an address) is read byte for byte as Latin-1.
// Everything else, "+" and malformed escapes included, is left as it is.
QString DecodificarUrl(const QString& url);
