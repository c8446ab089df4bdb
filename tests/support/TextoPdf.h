#pragma once

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

// The text of a PDF file as poppler's pdftotext lays it out. A missing tool fails the test
// that asked: a printed page nobody read is no pass.
inline QString TextoDePdf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) could not read " << pdf.toStdString() << ": "
                      << pdftotext.errorString().toStdString() << ' '
                      << pdftotext.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
