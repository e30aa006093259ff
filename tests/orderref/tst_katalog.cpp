// The order-code catalogue: its shape (counts, line forms, widths, unique
// codes), the public list and the lookup by code.
#include "orderref/katalog.h"

#include <QSet>
#include <QtTest>

using namespace orderref;

namespace {
const QString crlf = QStringLiteral("\r\n");
}

class TstKatalog : public QObject {
    Q_OBJECT
private slots:
    void entriesHaveTheirShape()
    {
        const QList<Befehl> &k = katalog();
        QCOMPARE(k.size(), 98);
        QSet<QString> codes;
        int geheim = 0, hilfezeilen = 0;
        qsizetype laengsterTitel = 0;
        for (const Befehl &b : k) {
            QVERIFY2(b.code.size() == 2 && b.code.at(0).isUpper() && b.code.at(1).isUpper(), qPrintable(b.code));
            QVERIFY2(!codes.contains(b.code), qPrintable(b.code));
            codes.insert(b.code);
            geheim += b.geheim;
            QCOMPARE(b.titel.left(5), b.code + QStringLiteral("   "));
            QCOMPARE(b.syntax.left(3), b.code + QLatin1Char(' '));
            QCOMPARE(b.titel.endsWith(QStringLiteral(" (GEHEIMBEFEHL)")), b.geheim);
            laengsterTitel = qMax(laengsterTitel, b.titel.size());
            for (const QString &z : b.zeilen) {
                QVERIFY2(!z.contains(QLatin1Char('\r')) && !z.contains(QLatin1Char('\n')), qPrintable(b.code));
                hilfezeilen += !z.isEmpty();
            }
        }
        QCOMPARE(geheim, 37);
        QCOMPARE(hilfezeilen, 516);
        QCOMPARE(laengsterTitel, 76);
    }

    void helpTextsEndAsTheirKind()
    {
        for (const Befehl &b : katalog()) {
            const QString text = hilfetext(b);
            QVERIFY(text.startsWith(b.syntax + crlf));
            const int leer = text.count(crlf + crlf);
            if (b.code == QLatin1String("BX")) {
                QCOMPARE(text, QStringLiteral("BX a [1]\r\nVersklave a Bauern.\r\n"));
            } else if (QStringList{"ZZ", "SR", "HT"}.contains(b.code)) {
                QVERIFY2(text.endsWith(crlf + crlf) && !text.endsWith(crlf + crlf + crlf), qPrintable(b.code));
                QCOMPARE(leer, 1);
            } else {
                // The hero order alone has one empty line, between its sub-orders and its rules.
                QVERIFY2(!text.endsWith(crlf), qPrintable(b.code));
                QCOMPARE(leer, b.code == QLatin1String("HD") ? 1 : 0);
            }
        }
    }

    void publicListIsTheCatalogueWithoutSecrets()
    {
        QList<const Befehl *> erwartet;
        for (const Befehl &b : katalog())
            if (!b.geheim)
                erwartet << &b;
        const QList<Befehl> &o = oeffentlich();
        QCOMPARE(o.size(), 61);
        for (int i = 0; i < o.size(); ++i) {
            QCOMPARE(o[i].code, erwartet[i]->code);
            QCOMPARE(hilfetext(o[i]), hilfetext(*erwartet[i]));
        }
    }

    void findsExactCodesOnly()
    {
        QCOMPARE(finde(QStringLiteral("VK")), &katalog().at(10));
        QCOMPARE(finde(QStringLiteral("KF")), &katalog().at(97));
        for (const char *s : {"vk", "VK ", " VK", "VK a, b [5*]", "XY", ""})
            QVERIFY2(!finde(QString::fromLatin1(s)), s);
    }
};

QTEST_MAIN(TstKatalog)
#include "tst_katalog.moc"
