// Field parsing: the classic rules for doubles and integers, locale-independent.
#include "gui/framework/number_parse.h"

#include <QTest>
#include <optional>

namespace lunda {
namespace {

// The parsed value as text, or "-" when the parser refuses it.
template <typename T>
QString Shown(const std::optional<T>& parsed) {
  return parsed ? QString::number(*parsed) : QStringLiteral("-");
}

class NumberParseTest : public QObject {
  Q_OBJECT

 private slots:
  void Parses_data() {
    QTest::addColumn<char>("kind");  // d double, u unsigned, i int
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    const std::pair<const char*, const char*> doubles[] = {
        {" \t2.5 \t", "2.5"}, {"+4.5", "4.5"}, {"2.5e-1", "0.25"}, {"1.", "1"},  {".5", "0.5"},
        {" 0.0e5", "0"},      {"-0", "-"},     {".0", "-"},        {"1,5", "-"}, {"1.5V", "-"},
        {"1 5", "-"},         {"   ", "-"},    {"-", "-"},         {"1e", "-"},  {"0x10", "-"},
        {"inf", "-"},         {"1e999", "-"},  {"З", "-"}};
    for (const auto& [text, value] : doubles) QTest::addRow("d '%s'", text) << 'd' << text << value;
    const std::pair<const char*, const char*> unsignedValues[] = {
        {"\t7\t", "7"}, {"+5", "-"}, {"4294967295", "4294967295"}, {"4294967296", "-"}, {"-0", "-"},
        {"3.3", "-"},   {"", "-"}};
    for (const auto& [text, value] : unsignedValues)
      QTest::addRow("u '%s'", text) << 'u' << text << value;
    QTest::newRow("int negative") << 'i' << " -12 "
                                  << "-12";
    QTest::newRow("int smallest") << 'i' << "-2147483648"
                                  << "-2147483648";
    QTest::newRow("int overflow") << 'i' << "2147483648"
                                  << "-";
  }
  void Parses() {
    QFETCH(char, kind);
    QFETCH(QString, text);
    QFETCH(QString, value);
    const std::string s = text.toStdString();
    const QString parsed = kind == 'd'   ? Shown(ParseDouble(s))
                           : kind == 'u' ? Shown(ParseUnsigned(s))
                                         : Shown(ParseInt(s));
    QCOMPARE(parsed, value);
  }
};

}  // namespace
}  // namespace lunda

int RunNumberParseTests(int argc, char** argv) {
  lunda::NumberParseTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "number_parse_test.moc"
