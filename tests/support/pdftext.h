// Reads PDF files back for the printing tests: text by pdftotext, page count
// by pdfinfo. Each tool gets a bounded time.
#pragma once

#include <QString>

bool pdfWerkzeugeDa();
// The text of pages von..bis (all when 0) as laid out, empty on failure.
QString pdfText(const QString &pfad, int von = 0, int bis = 0);
// Number of pages, -1 on failure.
int pdfSeiten(const QString &pfad);
