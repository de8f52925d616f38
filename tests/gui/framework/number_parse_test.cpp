// Field parsing: the classic rules for doubles and integers, locale-independent.
#include "gui/framework/number_parse.h"

#include <QTest>
#include <optional>

namespace lunda {
namespace {

class NumberParseTest : public QObject {
  Q_OBJECT

 private slots:
  void Double_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "3.3" << true << 3.3;
    QTest::newRow("blanks and tabs") << " \t2.5 \t" << true << 2.5;
    QTest::newRow("integer") << "7" << true << 7.0;
    QTest::newRow("negative") << "-1" << true << -1.0;
    QTest::newRow("plus sign") << "+4.5" << true << 4.5;
    QTest::newRow("exponent") << "2.5e-1" << true << 0.25;
    QTest::newRow("trailing point") << "1." << true << 1.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("zero") << "0" << true << 0.0;
    QTest::newRow("zero with exponent") << " 0.0e5" << true << 0.0;
    QTest::newRow("minus zero") << "-0" << false << 0.0;
    QTest::newRow("point zero") << ".0" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letters") << "1.5V" << false << 0.0;
    QTest::newRow("inner blank") << "1 5" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("bare exponent") << "1e" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("overflow") << "1e999" << false << 0.0;
    QTest::newRow("cyrillic") << "З" << false << 0.0;
  }
  void Double() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = ParseDouble(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid) QCOMPARE(*parsed, value);
  }

  void Unsigned_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("value");
    QTest::newRow("plain") << "63" << true << 63u;
    QTest::newRow("blanks") << " 7 " << true << 7u;
    QTest::newRow("tab") << "\t7\t" << true << 7u;
    QTest::newRow("plus") << "+5" << true << 5u;
    QTest::newRow("largest") << "4294967295" << true << 4294967295u;
    QTest::newRow("overflow") << "4294967296" << false << 0u;
    QTest::newRow("minus") << "-1" << false << 0u;
    QTest::newRow("minus zero") << "-0" << false << 0u;
    QTest::newRow("decimal") << "3.3" << false << 0u;
    QTest::newRow("letters") << "abc" << false << 0u;
    QTest::newRow("empty") << "" << false << 0u;
  }
  void Unsigned() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(quint32, value);
    const std::optional<std::uint32_t> parsed = ParseUnsigned(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid) QCOMPARE(*parsed, value);
  }

  void Int_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("negative") << " -12 " << true << -12;
    QTest::newRow("smallest") << "-2147483648" << true << -2147483647 - 1;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
  }
  void Int() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<std::int32_t> parsed = ParseInt(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid) QCOMPARE(*parsed, value);
  }
};

}  // namespace
}  // namespace lunda

int RunNumberParseTests(int argc, char** argv) {
  lunda::NumberParseTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "number_parse_test.moc"
