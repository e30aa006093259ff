// Reads PDF files back for the printing tests (poppler's pdftotext and
// pdfinfo), each tool within a bounded time.
#pragma once

#include <QStringList>

bool pdfWerkzeugeDa();
// Fails the test, saying what to install, when the tools are missing.
#define PDF_WERKZEUGE_PRUEFEN() QVERIFY2(pdfWerkzeugeDa(), "pdfinfo fehlt: poppler-utils (scripts/install-deps.sh)")
// The lines of text as laid out, trimmed, without the empty ones.
QStringList pdfZeilen(const QString &pfad);
// Number of pages, -1 on failure.
int pdfSeiten(const QString &pfad);
