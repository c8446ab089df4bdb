#include "dobles/DialogosGuionados.h"
#include "platform/errors/GuardiaEventos.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Formulario.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::string Unir(const QStringList& lista) {
    return lista.join(QLatin1Char(' ')).toStdString();
}

struct CasoTecla {
    int teclaQt;
    Qt::KeyboardModifiers modificadores;
    int codigo;
};

class CodigosDeTecla : public ::testing::TestWithParam<CasoTecla> {};

TEST_P(CodigosDeTecla, ComoLosLeenLosManejadores) {
    const CasoTecla& caso = GetParam();
    EXPECT_EQ(CodigoTecla(caso.teclaQt, caso.modificadores), caso.codigo);
}

const CasoTecla CasosTecla[] = {
    {Qt::Key_F1, Qt::NoModifier, 112},        {Qt::Key_F2, Qt::NoModifier, 113},
    {Qt::Key_F5, Qt::NoModifier, 116},        {Qt::Key_F9, Qt::ShiftModifier, 120},
    {Qt::Key_F12, Qt::NoModifier, 123},       {Qt::Key_Escape, Qt::NoModifier, 27},
    {Qt::Key_Return, Qt::NoModifier, 13},     {Qt::Key_Enter, Qt::KeypadModifier, 13},
    {Qt::Key_Pause, Qt::ControlModifier, 3},  {Qt::Key_Pause, Qt::NoModifier, 19},
    {Qt::Key_A, Qt::ShiftModifier, 65},       {Qt::Key_Z, Qt::NoModifier, 90},
    {Qt::Key_7, Qt::NoModifier, 55},          {Qt::Key_7, Qt::KeypadModifier, 103},
    {Qt::Key_Minus, Qt::KeypadModifier, 109}, {Qt::Key_Minus, Qt::NoModifier, 189},
    {Qt::Key_Down, Qt::NoModifier, 40},       {Qt::Key_Insert, Qt::NoModifier, 45},
    {Qt::Key_Delete, Qt::NoModifier, 46},     {Qt::Key_Tab, Qt::NoModifier, 9},
    {Qt::Key_Comma, Qt::NoModifier, 188},     {Qt::Key_Period, Qt::KeypadModifier, 110},
    {Qt::Key_VolumeUp, Qt::NoModifier, 0},
};

INSTANTIATE_TEST_SUITE_P(Teclas, CodigosDeTecla, ::testing::ValuesIn(CasosTecla));

TEST(CodigosTecla, EstadoShiftSumaLasTeclasSostenidas) {
    EXPECT_EQ(EstadoShift(Qt::NoModifier), 0);
    EXPECT_EQ(EstadoShift(Qt::ShiftModifier), 1);
    EXPECT_EQ(EstadoShift(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(EstadoShift(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(EstadoShift(Qt::ShiftModifier | Qt::KeypadModifier), 1);
}

TEST(CodigosTecla, CaracterDeUnaPulsacion) {
    auto ascii = [](int tecla, Qt::KeyboardModifiers modificadores, const QString& texto) {
        return CodigoAscii(QKeyEvent(QEvent::KeyPress, tecla, modificadores, texto));
    };
    EXPECT_EQ(ascii(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")), 13);
    EXPECT_EQ(ascii(Qt::Key_Escape, Qt::NoModifier, QString()), 27);
    EXPECT_EQ(ascii(Qt::Key_Backspace, Qt::NoModifier, QString()), 8);
    EXPECT_EQ(ascii(Qt::Key_C, Qt::ControlModifier, QStringLiteral("c")), 3);
    EXPECT_EQ(ascii(Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ")), 0xF1);
    EXPECT_EQ(ascii(Qt::Key_A, Qt::AltModifier, QStringLiteral("a")), 0);
    EXPECT_EQ(ascii(Qt::Key_F9, Qt::NoModifier, QString()), 0);
    EXPECT_EQ(ascii(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")), 0);
    EXPECT_EQ(ascii(Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")), 13);
    EXPECT_EQ(ascii(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")), 27);
    EXPECT_EQ(ascii(Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")), 0);
    EXPECT_EQ(ascii(Qt::Key_Down, Qt::NoModifier, QString()), 0);
    EXPECT_EQ(ascii(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")), 97);
    EXPECT_EQ(ascii(Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")), 65);
    // The numeric pad types its digits and signs like the main keyboard.
    EXPECT_EQ(ascii(Qt::Key_5, Qt::KeypadModifier, QStringLiteral("5")), 53);
    EXPECT_EQ(ascii(Qt::Key_Period, Qt::KeypadModifier, QStringLiteral(".")), 46);
    EXPECT_EQ(ascii(Qt::Key_Comma, Qt::NoModifier, QStringLiteral(",")), 44);
}

// A window with key preview and two fields, recording every key event in order.
class FrmTeclas : public Formulario {
    Q_OBJECT
public:
    FrmTeclas() {
        SetKeyPreview(true);
        for (int i = 0; i < 2; ++i)
            txtFields.Agregar(i, *this).setGeometry(0, 30 * i, 100, 25);
        txtFields.KeyDown = [this](int index, int& keyCode, int shift) {
            eventos
                << QStringLiteral("txtFields_KeyDown(%1,%2,%3)").arg(index).arg(keyCode).arg(shift);
        };
        txtFields.KeyPress = [this](int index, int& keyAscii) {
            eventos << QStringLiteral("txtFields_KeyPress(%1,%2)").arg(index).arg(keyAscii);
            if (keyAscii == 13 || (soloDigitos && !QChar(keyAscii).isDigit()))
                keyAscii = 0;
        };
    }

    ArregloCajasTexto txtFields;
    QStringList eventos;
    int consumirCodigo = -1;
    bool mayusculas = false;
    bool soloDigitos = false;
    bool fallar = false;

protected:
    void Form_KeyDown(int& keyCode, int shift) override {
        eventos << QStringLiteral("Form_KeyDown(%1,%2)").arg(keyCode).arg(shift);
        if (fallar)
            throw ErrorEjecucion(13, QStringLiteral("No coinciden los tipos"));
        if (keyCode == consumirCodigo)
            keyCode = 0;
    }
    void Form_KeyPress(int& keyAscii) override {
        eventos << QStringLiteral("Form_KeyPress(%1)").arg(keyAscii);
        if (mayusculas && keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 32;
    }
};

class VistaPreviaDeTeclas : public ::testing::Test {
protected:
    void SetUp() override {
        ventana.Show();
        ventana.activateWindow();
        ventana.txtFields[1].setFocus();
    }
    CajaTexto& campo() { return ventana.txtFields[1]; }
    FrmTeclas ventana;
};

TEST_F(VistaPreviaDeTeclas, LaVentanaVeLaTeclaAntesQueElCampo) {
    QTest::keyClick(&campo(), Qt::Key_F9);
    QTest::keyClick(&campo(), 'x');
    EXPECT_EQ(Unir(ventana.eventos), "Form_KeyDown(120,0) txtFields_KeyDown(1,120,0) "
                                     "Form_KeyDown(88,0) txtFields_KeyDown(1,88,0) "
                                     "Form_KeyPress(120) txtFields_KeyPress(1,120)");
    EXPECT_EQ(campo().Text(), QStringLiteral("x"));
}

TEST_F(VistaPreviaDeTeclas, LaVentanaPuedeConsumirLaTecla) {
    ventana.consumirCodigo = 27;
    QTest::keyClick(&campo(), Qt::Key_Escape);
    ventana.consumirCodigo = 'A';
    QTest::keyClick(&campo(), 'a');
    EXPECT_EQ(Unir(ventana.eventos), "Form_KeyDown(27,0) Form_KeyDown(65,0)");
    EXPECT_TRUE(campo().Text().isEmpty());
}

TEST_F(VistaPreviaDeTeclas, UnKeyPressCambiaElCaracterOLoAnula) {
    ventana.mayusculas = true;
    QTest::keyClicks(&campo(), QStringLiteral("ab"));
    QTest::keyClick(&campo(), Qt::Key_Return);
    EXPECT_EQ(campo().Text(), QStringLiteral("AB"));
    EXPECT_TRUE(ventana.eventos.contains(QStringLiteral("txtFields_KeyPress(1,65)")));
    EXPECT_TRUE(ventana.eventos.contains(QStringLiteral("txtFields_KeyDown(1,13,0)")));
}

TEST_F(VistaPreviaDeTeclas, SinKeyPreviewSoloElCampoVeLaTecla) {
    ventana.SetKeyPreview(false);
    QTest::keyClick(&campo(), Qt::Key_F5);
    EXPECT_EQ(Unir(ventana.eventos), "txtFields_KeyDown(1,116,0)");
}

TEST_F(VistaPreviaDeTeclas, TeclasConShiftYCtrl) {
    QTest::keyClick(&campo(), Qt::Key_F9, Qt::ShiftModifier);
    QTest::keyClick(&campo(), Qt::Key_Pause, Qt::ControlModifier);
    // The modifier keys arrive first as keys of their own.
    EXPECT_TRUE(ventana.eventos.contains(QStringLiteral("Form_KeyDown(120,1)")));
    EXPECT_TRUE(ventana.eventos.contains(QStringLiteral("Form_KeyDown(3,2)")));
}

// Select all, copy, cut, undo and paste do what they do in a Qt line edit. They reach the
// KeyDown handlers, which may still take them, and no KeyPress handler; pasted text, from the
// key or the menu, goes through the KeyPress handlers as typed text does.
TEST_F(VistaPreviaDeTeclas, LasTeclasDeEdicionHacenLoDeUnaCajaDeQt) {
    QClipboard& portapapeles = *QGuiApplication::clipboard();
    campo().SetText(QStringLiteral("viejo"));
    QTest::keyClick(&campo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&campo(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(portapapeles.text(), QStringLiteral("viejo"));
    QTest::keyClicks(&campo(), QStringLiteral("n"));
    EXPECT_EQ(campo().Text(), QStringLiteral("n"));
    QTest::keyClick(&campo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&campo(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(campo().Text(), QString());
    EXPECT_EQ(portapapeles.text(), QStringLiteral("n"));
    QTest::keyClick(&campo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(campo().Text(), QStringLiteral("n"));
    EXPECT_TRUE(ventana.eventos.contains(QStringLiteral("txtFields_KeyDown(1,65,2)")));
    EXPECT_FALSE(ventana.eventos.filter(QStringLiteral("KeyPress(1)")).size() +
                 ventana.eventos.filter(QStringLiteral("KeyPress(3)")).size());

    // Taken by the window, the key does nothing.
    ventana.consumirCodigo = 'A';
    campo().SetSelStart(1);
    QTest::keyClick(&campo(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(campo().hasSelectedText());
    ventana.consumirCodigo = -1;

    portapapeles.setText(QStringLiteral("a1\r\nb2"));
    ventana.mayusculas = true;
    campo().SetText(QString());
    QTest::keyClick(&campo(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(campo().Text(), QStringLiteral("A1B2"));
    ventana.soloDigitos = true;
    campo().SetText(QStringLiteral("9"));
    QTest::keyClick(&campo(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(campo().Text(), QStringLiteral("912"));
    campo().SetLocked(true);
    QTest::keyClick(&campo(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(campo().Text(), QStringLiteral("912"));
    campo().SetLocked(false);

    // The menu's Paste filters the same way.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           campo().mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&campo(), &menu);
    QAction* pegar = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible())
            for (QAction* a : m->actions())
                if (a->text().startsWith(QStringLiteral("&Paste")))
                    pegar = a;
    ASSERT_NE(pegar, nullptr);
    pegar->trigger();
    EXPECT_EQ(campo().Text(), QStringLiteral("91212"));
}

TEST_F(VistaPreviaDeTeclas, UnErrorEnElManejadorSeInformaYLaTeclaSigue) {
    QStringList informes;
    InstalarInformeErrores([&](const ErrorEjecucion& error, const QString& evento) {
        informes << QStringLiteral("%1 %2").arg(evento).arg(error.Number());
    });
    ventana.fallar = true;
    QTest::keyClick(&campo(), Qt::Key_Q);
    InstalarInformeErrores({});
    EXPECT_EQ(Unir(informes), "FrmTeclas.Form_KeyDown 13");
    EXPECT_EQ(campo().Text(), QStringLiteral("q"));
}

TEST_F(VistaPreviaDeTeclas, EnterYEscPulsanLosBotonesPredeterminadoYCancelar) {
    auto* aceptar = new QPushButton(&ventana);
    auto* cancelar = new QPushButton(&ventana);
    aceptar->show();
    cancelar->show();
    QStringList pulsados;
    QObject::connect(aceptar, &QPushButton::clicked,
                     [&] { pulsados << QStringLiteral("Aceptar"); });
    QObject::connect(cancelar, &QPushButton::clicked,
                     [&] { pulsados << QStringLiteral("Cancelar"); });
    ventana.SetBotonPredeterminado(aceptar);
    ventana.SetBotonCancelar(cancelar);
    QTest::keyClick(&campo(), Qt::Key_Return);
    QTest::keyClick(&campo(), Qt::Key_Escape);
    EXPECT_EQ(Unir(pulsados), "Aceptar Cancelar");
    EXPECT_TRUE(ventana.eventos.isEmpty());
    cancelar->setEnabled(false);
    QTest::keyClick(&campo(), Qt::Key_Escape);
    EXPECT_EQ(Unir(ventana.eventos),
              "Form_KeyDown(27,0) txtFields_KeyDown(1,27,0) Form_KeyPress(27) "
              "txtFields_KeyPress(1,27)");
}

// The window's F9 asks a question, as an error routine does. The box takes the focus, and the
// window gets F9 again while it is open (a key handed on by code gets past a modal box); once
// the box has gone no window has the focus until the window manager gives it back, the key
// travels on to the window, and the browser gives it back once more. One question all the same.
class Pregunta : public DialogosGuionados {
public:
    std::function<void()> Abierta;
    int hechas = 0;

protected:
    int MostrarMensaje(const QString& texto, int botones, const QString& titulo) override {
        QWidget caja;
        QPushButton boton(&caja);
        caja.show();
        caja.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&caja));
        boton.setFocus();
        if (++hechas < 3 && Abierta) // a second question is fault enough
            Abierta();
        caja.hide();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::focusWidget(); }));
        return DialogosGuionados::MostrarMensaje(texto, botones, titulo);
    }
};

class FrmPregunta : public Formulario {
    Q_OBJECT
public:
    QListWidget* lista = new QListWidget(this);

protected:
    void Form_KeyDown(int& keyCode, int) override {
        if (keyCode == 120)
            MsgBox(QStringLiteral("La base de datos está bloqueada por otro proceso."));
    }
};

TEST(TeclaUnaVez, UnaPreguntaSeHaceUnaSolaVezComoLlegueLaTecla) {
    Pregunta guion;
    DialogosEnUso enUso(guion);
    FrmPregunta ventana;
    ventana.SetKeyPreview(true);
    ventana.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    ventana.lista->setFocus();
    guion.Abierta = [&] { QTest::keyClick(&ventana, Qt::Key_F9); };
    QTest::keyClick(ventana.lista, Qt::Key_F9);
    QKeyEvent devuelta(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    QCoreApplication::sendEvent(&ventana, &devuelta);
    EXPECT_EQ(guion.hechas, 1);
}

} // namespace

#include "TeclasTest.moc"
