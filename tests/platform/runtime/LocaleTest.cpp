#include "platform/runtime/Locale.h"

#include "platform/runtime/Currency.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/ValorTexto.h"
#include "support/Apoyo.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

// Installs another locale for one test and puts back the one every test expects.
class OtroLocale {
public:
    explicit OtroLocale(const QLocale& locale) : anterior_(QLocale()) {
        QLocale::setDefault(locale);
    }
    ~OtroLocale() { QLocale::setDefault(anterior_); }

private:
    QLocale anterior_;
};

} // namespace

TEST(Locale, ElEspanolDelUsuarioOEspanolDeArgentina) {
    struct Caso {
        QLocale sistema;
        QString elegido;
    };
    const Caso casos[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "es_AR"},
        {QLocale(QLocale::German, QLocale::Germany), "es_AR"},
        {QLocale::c(), "es_AR"},
        {QLocale(QLocale::Spanish, QLocale::Spain), "es_ES"},
        {QLocale(QLocale::Spanish, QLocale::Mexico), "es_MX"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.elegido);
        EXPECT_EQ(Locale::Elegir(c.sistema).name(), c.elegido);
    }
}

TEST(Locale, IniciarInstalaElLocaleElegido) {
    OtroLocale restaurar(QLocale::c());
    Locale::Iniciar();
    EXPECT_EQ(QLocale().name(), Locale::Elegir(QLocale::system()).name());
}

TEST(Locale, DecimalesDeLaMoneda) {
    EXPECT_EQ(Locale::DecimalesMoneda(), 2);
    OtroLocale chile(QLocale(QLocale::Spanish, QLocale::Chile));
    EXPECT_EQ(Locale::DecimalesMoneda(), 0);
}

TEST(Locale, LosFormatosSiguenAlLocaleInstalado) {
    OtroLocale mexico(QLocale(QLocale::Spanish, QLocale::Mexico));
    EXPECT_DOUBLE_EQ(vb::CDbl("1,234.5"), 1234.5);
    EXPECT_EQ(Currency::DesdeTexto("2.75").ATexto(2), "2.75");
    EXPECT_EQ(vb::ValorTexto(1234.5), "1234.5");
    EXPECT_EQ(vb::ValorTexto(QDate(2026, 12, 7)), "07/12/2026");
}
