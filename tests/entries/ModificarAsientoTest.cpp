#include "audit/DemoAuditoria.h"
#include "audit/EnlaceLista.h"
#include "entries/FormularioAsiento.h"
#include "entries/FrmAsientoNDPRoNCPE.h"
#include "platform/browser/CodificacionUrl.h"
#include "platform/controls/Asistel.h"
#include "platform/forms/ArregloCajasTexto.h"
#include "platform/forms/CajaTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/ModGlobal.h"
#include "support/EnlacesDePagina.h"
#include "support/LecturaQueFalla.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The list's modify link with the real entry form behind it: the user's edit goes all the way
// to the stored entry.
class ModificarAsiento : public DemoAuditoria {
protected:
    void SetUp() override {
        DemoAuditoria::SetUp();
        InstalarFormularioAsiento();
        AbrirVentana();
        frm->CmdActualizar_Click();
        ASSERT_TRUE(guion.Mensajes.empty());
    }
    void TearDown() override {
        Liberar<FrmAsientoNDPRoNCPE>();
        DemoAuditoria::TearDown();
    }
    // The modify link of NCPE 0001-00000002 X, state 0, on its invoice FCC 0002-00004526A.
    static QString Enlace() {
        return Enlace({"NCPE", "0001", "00000002", "X", "FCC", "000200004526A", "211010102",
                       "Muñoz y Peña S.R.L."});
    }
    static QString Enlace(const QStringList& valores, const QString& estado = "0") {
        QString enlace = "_Modificar_" + estado;
        const QStringList marcas = {"_TC_",         "_SUCURSAL_",    "_NUMERO_",    "_LETRA_",
                                    "_TIPOORIGEN_", "_CPTE-ORIGEN_", "_Cabcuenta_", "_CabNombre_"};
        for (int i = 0; i < marcas.size(); ++i) {
            enlace += marcas[i];
            AgregarValorUrl(enlace, valores[i]);
        }
        return enlace;
    }
    int Refrescos() { return int(Navegador().PaginasMostradas().filter("Auditoria.htm").size()); }
    // Account, side and amount of every line the form shows with an amount.
    static QStringList Mostradas(FrmAsientoNDPRoNCPE& f) {
        QStringList lineas;
        for (int n = 1; n <= 12; ++n)
            for (const char* lado : {"D", "H"}) {
                const QString importe = f.Campo(QString::number(n) + lado).Text();
                if (!importe.isEmpty())
                    lineas << f.Campo(QString::number(n)).Text() + "|" + lado + "|" +
                                  QString::number(
                                      UtilGeneral::Instancia().ImporteEscrito(importe)->ADouble(),
                                      'g', 12);
            }
        return lineas;
    }
    // What the user does in the form once the link shows it.
    void AlAbrir(std::function<void(FrmAsientoNDPRoNCPE&)> accion) {
        guion.AccionesModales.push_back([accion = std::move(accion)](QWidget& ventana) {
            accion(dynamic_cast<FrmAsientoNDPRoNCPE&>(ventana));
        });
    }
    // The account remembered for line 3 of the next new entry.
    QStringList RecordadaLinea3() {
        return Filas("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'NCPE_3'");
    }
    QStringList Guardadas(const QString& numero = QStringLiteral("00000002")) {
        return Filas("SELECT CUENTA, [DEBE-HABER], IMPORTE FROM MV_ASIENTOS WHERE TC = 'NCPE' "
                     "AND NUMERO = '" +
                     numero + "' ORDER BY SECUENCIA");
    }
    // The user types into a box and moves on, as with the mouse.
    static void Escribir(FrmAsientoNDPRoNCPE& f, const char* campo, const char* texto,
                         const char* siguiente) {
        f.Campo(campo).setFocus();
        QTest::keyClicks(&f.Campo(campo), texto);
        f.Campo(siguiente).setFocus();
        QCoreApplication::processEvents();
    }
    // Everything the form shows, box by box, and where the focus is.
    static QStringList Vista(FrmAsientoNDPRoNCPE& f) {
        QStringList vista;
        for (const auto& [indice, caja] : f.txtFields().Elementos())
            vista << caja->DataField() + "=" + caja->Text() +
                         (caja->Enabled() ? "" : " (cerrada)") + " #" +
                         QString::number(caja->BackColor(), 16);
        for (QLabel* etiqueta : f.lblFields)
            vista << etiqueta->text();
        for (QLabel* etiqueta : {f.LblTotalDebe, f.LblTotalHaber, f.lblDif, f.lblMot})
            vista << etiqueta->text();
        auto* foco = qobject_cast<CajaTexto*>(f.focusWidget());
        vista << f.dpdEstadoNuevo->currentText() << f.CmbTC->currentText()
              << QString::number(f.chkImprimir->isChecked()) << "CondIVA=" + f.CondIVA
              << "foco en " + (foco ? foco->DataField() + " " + foco->selectedText() : "?");
        return vista;
    }
    void SinAvisos() {
        for (const auto& m : guion.Mensajes)
            ADD_FAILURE() << m.Texto.toStdString();
    }
};

TEST_F(ModificarAsiento, ElImporteCambiadoLlegaAlAsientoGuardado) {
    const int refrescos = Refrescos();
    QStringList mostradas;
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        f.Campo("CONCEPTO").SetText("Ajuste O'Brien");
        f.Campo("2H").setFocus();
        f.Campo("2H").SetText("16000");
        f.Campo("3").setFocus(); // leaving the box balances the entry on line 12
        QCoreApplication::processEvents();
        mostradas = Mostradas(f);
        QTest::keyClick(&f.Campo("3"), Qt::Key_F2);
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    for (const auto& m : guion.Mensajes)
        ADD_FAILURE() << m.Texto.toStdString();
    EXPECT_EQ(mostradas,
              QStringList({"211010102|D|20010.52", "5110102|H|16000", "1120201|H|4010.52"}));
    EXPECT_EQ(Guardadas(),
              QStringList({"211010102|D|20010.52", "5110102|H|16000", "1120201|H|4010.52"}));
    EXPECT_EQ(Filas("SELECT DISTINCT DETALLE, PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], "
                    "date(FECHA), LIVA_ALICIVA FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = "
                    "'00000002'"),
              QStringList({"Ajuste O'Brien|2025|12|2|2025-12-22|21"}));
    EXPECT_EQ(Filas("SELECT IMPORTE FROM MV_APLICACION WHERE TC = 'NCPE' AND NUMERO = "
                    "'00000002'"),
              QStringList({"20010.52"}));
    EXPECT_EQ(Refrescos(), refrescos + 1);
    EXPECT_EQ(Filas("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'NCPE_2'"),
              QStringList({"5110102"}));
}

// CANCELAR, whatever was edited and with an edit still open, shows the entry again exactly as
// the window first showed it; F2 then saves what F2 right after opening saves, and remembers
// the same line accounts.
TEST_F(ModificarAsiento, CancelarMuestraLoQueMostroAlAbrir) {
    const auto guardado = [&] {
        return Guardadas() +
               Filas("SELECT CLAVE, VALOR FROM TA_CONFIGURACION WHERE CLAVE LIKE 'NCPE!_%' "
                     "ESCAPE '!' AND CLAVE NOT LIKE 'NCPE!_H%' ESCAPE '!' ORDER BY CLAVE");
    };
    QStringList alAbrir, alCancelar;
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        QCoreApplication::processEvents();
        alAbrir = Vista(f);
        Escribir(f, "2H", "16000", "CONCEPTO");
        f.Campo("Motivo").setFocus();
        QTest::keyClicks(&f.Campo("Motivo"), "BONI");
        QTest::keyClick(&f.Campo("Motivo"), Qt::Key_Return);
        f.dpdEstadoNuevo->setCurrentIndex(3);
        f.chkImprimir->setChecked(true);
        f.Campo("12").SetText("");
        Escribir(f, "12", "", "CONCEPTO"); // line 12 takes the VAT account of condition 1
        f.Campo("CONCEPTO").setFocus();
        QTest::keyClicks(&f.Campo("CONCEPTO"), "a medio escribir");
        EXPECT_EQ(f.CondIVA, "   1");
        EXPECT_EQ(f.lblMot->text(), "Bonificación no aplicada");
        f.Asistel1->Boton("CANCELAR")->trigger();
        QCoreApplication::processEvents();
        alCancelar = Vista(f);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    for (int i = 0; i < alAbrir.size(); ++i)
        EXPECT_EQ(alCancelar.value(i), alAbrir[i]);
    EXPECT_EQ(alCancelar.size(), alAbrir.size());
    const QStringList trasCancelar = guardado();

    guion.Mensajes.clear();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        QCoreApplication::processEvents();
        EXPECT_EQ(Vista(f), alAbrir);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    EXPECT_EQ(guardado(), trasCancelar);
}

// CERRAR leaves the stored entry as it was, and the remembered line accounts too.
TEST_F(ModificarAsiento, CerrarNoCambiaNada) {
    const QStringList antes = Guardadas();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        f.Campo("3").SetText("1120202");
        f.Asistel1_click("CERRAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EXPECT_EQ(Guardadas(), antes);
    EXPECT_EQ(RecordadaLinea3(), QStringList({"5210101"}));
}

// An entry whose every amount was cleared would make the link delete the stored entry: the
// save refuses it and the window stays open.
TEST_F(ModificarAsiento, UnAsientoSinRenglonesNoSeGraba) {
    const QStringList antes = Guardadas();
    bool abierta = false;
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        for (const char* campo : {"1D", "2H", "12H"})
            f.Campo(campo).SetText("");
        f.Asistel1_click("GRABAR");
        abierta = f.isVisible();
        EXPECT_TRUE(f.SQLTemp.isEmpty());
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EXPECT_TRUE(abierta);
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("nada que grabar"));
    EXPECT_EQ(Guardadas(), antes);
}

// Each save starts a batch of its own; a concept reading "null" is stored as that text.
TEST_F(ModificarAsiento, CadaGrabacionEmpiezaUnLoteNuevo) {
    FrmAsientoNDPRoNCPE& f = Instancia<FrmAsientoNDPRoNCPE>();
    f.CargarParaModificar("NCPE", "000100000002X");
    f.Tc_O = "FCC";
    f.Cpte_O = "000200004526A";
    f.Campo("CONCEPTO").SetText("null");
    f.ActualizarDatos();
    const QString primero = f.SQLTemp;
    f.ActualizarDatos();
    EXPECT_EQ(f.SQLTemp.count("INSERT INTO MV_ASIENTOS"), 3);
    EXPECT_EQ(f.SQLTemp.section("Fechahora", 0, 0), primero.section("Fechahora", 0, 0));
    EXPECT_TRUE(f.SQLTemp.contains("'null'"));
    EXPECT_FALSE(f.SQLTemp.contains("@NNNNNN@"));
    // An entry without a number takes the next free one of its month, period and type, when
    // the batch runs.
    f.AstNumero = "  ";
    f.ActualizarDatos();
    EXPECT_EQ(f.Asiento, "");
    EXPECT_TRUE(f.SQLTemp.contains("SET [NUMERO ASIENTO] = CASE WHEN"));
    EXPECT_TRUE(f.SQLTemp.contains("(SELECT ISNULL(MAX([NUMERO ASIENTO]), 0) + 1 FROM MV_ASIENTOS "
                                   "WHERE PERIODO = 2025 AND MES_OPERATIVO = 12 AND TIPO_REG = "
                                   "'CPRA')"));
}

// Ticked "Imprimir Testigo": the committed entry is printed by its key.
TEST_F(ModificarAsiento, ImprimeElAsientoGrabado) {
    FuenteGrabadora fuente;
    Reporteador::EstablecerFuente(&fuente);
    guion.ImpresoraAceptada = {true};
    guion.ArchivoPdf = dir.filePath("testigo.pdf");
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        f.chkImprimir->setChecked(true);
        f.dpdEstadoNuevo->setCurrentIndex(3);
        f.Campo("Motivo").SetText("BONI");
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    for (const auto& m : guion.Mensajes)
        ADD_FAILURE() << m.Texto.toStdString();
    ASSERT_EQ(fuente.Pedidos.size(), 1u);
    EXPECT_TRUE(fuente.Pedidos[0].Seleccion.contains("00000002")) << fuente.Pedidos[0].Seleccion;
    // State 3: the difference waits, its origin voucher is no longer under review.
    EXPECT_EQ(Filas("SELECT DISTINCT ESTADO, IDMOTIVO FROM MV_ASIENTOS WHERE TC = 'NCPE' AND "
                    "NUMERO = '00000002'"),
              QStringList({"3|BONI"}));
    EXPECT_EQ(Filas("SELECT DISTINCT ESTADO FROM MV_ASIENTOS WHERE TC = 'FCC' AND NUMERO = "
                    "'00004526' AND CABCUENTA = '211010102'"),
              QStringList({"0"}));
}

// A batch the link rolls back changes nothing, the remembered line accounts included.
TEST_F(ModificarAsiento, UnLoteDeshechoNoGuardaLasCuentasRecordadas) {
    const QStringList antes = Guardadas();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        f.Campo("3").SetText("1120202");
        Ejecutar("DROP TABLE MV_APLICACION");
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("No se pudo realizar la modificacion"));
    EXPECT_EQ(Guardadas(), antes);
    EXPECT_EQ(RecordadaLinea3(), QStringList({"5210101"}));
}

// The header on the credit side, its VAT on the debit side: the entry is stored as the form
// shows it once lowered, balanced, and its Null origin stays Null.
TEST_F(ModificarAsiento, ElAsientoAlHaberSeGuardaComoSeMuestra) {
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        Escribir(f, "1H", "1700", "CONCEPTO");
        QTest::keyClick(&f.Campo("CONCEPTO"), Qt::Key_F2);
    });
    EXPECT_TRUE(Navegador().Clic(
        Enlace({"NCPE", "0001", "00000038", "X", "", "", "211010106", "Aceros Zárate S.A."})));
    SinAvisos();
    EXPECT_EQ(Guardadas("00000038"),
              QStringList({"211010106|H|1700", "5110102|D|1428.43", "1120201|D|271.57"}));
    EXPECT_EQ(Filas("SELECT COUNT(*), MAX(CABIMPORTE) FROM MV_ASIENTOS WHERE TC = 'NCPE' AND "
                    "NUMERO = '00000038' AND TC_ORIGEN IS NULL AND CPTE_ORIGEN IS NULL"),
              QStringList({"3|1700"}));
}

// The freight line lowered: its cost-centre rows are shared anew in the same transaction; a
// failing cost-centre statement undoes the whole rewrite.
TEST_F(ModificarAsiento, LasFilasDeCentrosSiguenAlRenglon) {
    const QStringList enlace = {"NCPE", "0001",          "00000004",  "X",
                                "FCC",  "001200004572A", "211010106", "Aceros Zárate S.A."};
    const auto centros = [&] {
        return Filas("SELECT SECUENCIA, CCOSTO, IMPORTE FROM MV_ASIENTOSCCOSTO WHERE PERIODO = "
                     "2026 AND MES_OPERATIVO = 1 AND [NUMERO ASIENTO] = 4 ORDER BY CCOSTO");
    };
    const auto bajarFlete = [&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        Escribir(f, "3H", "8000", "4");
        QTest::keyClick(&f.Campo("4"), Qt::Key_F2);
    };
    Ejecutar("UPDATE MV_ASIENTOS SET CONCILIADO = 0 WHERE TC = 'NCPE' AND NUMERO = '00000004'");
    const QStringList antes = Guardadas("00000004");
    for (const QString sentencia : {"DELETE", "INSERT"}) {
        cnn.EjecutarNativo("CREATE TRIGGER falla BEFORE " + sentencia +
                               " ON MV_ASIENTOSCCOSTO BEGIN SELECT RAISE(ABORT, 'centro de "
                               "costo bloqueado'); END",
                           {}, nullptr);
        AlAbrir(bajarFlete);
        EXPECT_TRUE(Navegador().Clic(Enlace(enlace, "4")));
        ASSERT_EQ(guion.Mensajes.size(), 1u) << sentencia.toStdString();
        EXPECT_TRUE(guion.Mensajes[0].Texto.contains("centro de costo bloqueado"));
        EXPECT_EQ(Guardadas("00000004"), antes);
        EXPECT_EQ(centros(), QStringList({"3|0003|5329.97", "3|0004|3553.32"}));
        cnn.EjecutarNativo("DROP TRIGGER falla", {}, nullptr);
        guion.Mensajes.clear();
    }
    AlAbrir(bajarFlete);
    EXPECT_TRUE(Navegador().Clic(Enlace(enlace, "4")));
    SinAvisos();
    EXPECT_EQ(Guardadas("00000004"), QStringList({"211010106|D|35829.25", "5110102|H|20727.66",
                                                  "5210101|H|8000", "1120201|H|7101.59"}));
    EXPECT_EQ(centros(), QStringList({"3|0003|4800", "3|0004|3200"}));
}

// A read of the save that fails stops it with its message, before the transaction or inside
// it, and leaves the books as they were: the entry, its cost-centre rows, its application.
TEST_F(ModificarAsiento, UnaLecturaFallidaNoGrabaNada) {
    LecturaQueFalla falla;
    ado::Connection& programa = DB_Dll::Instancia().gCnn;
    programa.Close();
    programa.Open();
    const QStringList enlace = {"NCPE", "0001",          "00000004",  "X",
                                "FCC",  "001200004572A", "211010106", "Aceros Zárate S.A."};
    Ejecutar("UPDATE MV_ASIENTOS SET CONCILIADO = 0 WHERE TC = 'NCPE' AND NUMERO = '00000004'");
    const auto libros = [&] {
        return Filas("SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '00000004' ORDER "
                     "BY SECUENCIA") +
               Filas("SELECT * FROM MV_ASIENTOSCCOSTO ORDER BY 1, 2, 3, 4, 5, 6") +
               Filas("SELECT * FROM MV_APLICACION WHERE TC = 'NCPE' ORDER BY NUMERO");
    };
    const std::pair<const char*, int> lecturas[] = {{"MV_ASIENTOSCCOSTO", 0},
                                                    {"MV_ASIENTOS", 0},
                                                    {"MV_ASIENTOS", 1},
                                                    {"MV_ASIENTOSCCOSTO", 1},
                                                    {"MV_ASIENTOS", 2}};
    int flete = 8000; // a save that went through would show, whatever saves came before
    for (const auto& [tabla, saltear] : lecturas) {
        const QStringList antes = libros();
        const QByteArray importe = QByteArray::number(flete++);
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            QApplication::setActiveWindow(&f);
            Escribir(f, "3H", importe.constData(), "4");
            falla.Armar(tabla, saltear);
            QTest::keyClick(&f.Campo("4"), Qt::Key_F2);
            if (f.isVisible())
                f.Asistel1_click("CERRAR");
        });
        EXPECT_TRUE(Navegador().Clic(Enlace(enlace, "4")));
        EXPECT_TRUE(falla.Fallo()) << tabla << " " << saltear;
        EXPECT_FALSE(guion.Mensajes.empty()) << tabla << " " << saltear;
        EXPECT_EQ(libros(), antes) << tabla << " " << saltear;
        guion.Mensajes.clear();
    }
}

// What the split dialog stored survives the entry's saves: saved unchanged, the freight line's
// rows stay exactly as stored (halves typed whose shares round alike, a row standing on its
// amount alone, one cost centre twice); saved with the line lowered, they are split anew in
// their proportion and make the line exactly, each row on its own (the one standing on its
// amount with the share its amount now gives).
TEST_F(ModificarAsiento, LosCentrosGuardadosSobrevivenLaGrabacion) {
    struct Caso {
        const char* filas;
        const char* flete;
        QStringList despues;
    };
    const Caso casos[] = {{"('0003', 50, 15000.01), ('0004', 50, 15000)",
                           "8000",
                           {"3|0003|50.0000|4000.00", "3|0004|50.0000|4000.00"}},
                          {"('0003', 100, 7999.99), ('0004', 0, 0.01)",
                           "6000",
                           {"3|0003|100.0000|5999.99", "3|0004|0.0002|0.01"}},
                          {"('0003', 50, 3000), ('0003', 50, 3000)",
                           "4999,99",
                           {"3|0003|50.0000|2499.99", "3|0003|50.0000|2500.00"}}};
    const QStringList enlace = {"NCPE", "0001",          "00000004",  "X",
                                "FCC",  "001200004572A", "211010106", "Aceros Zárate S.A."};
    const auto centros = [&] {
        return Filas("SELECT SECUENCIA, CCOSTO, printf('%.4f', PORCENTAJE), printf('%.2f', "
                     "IMPORTE) FROM MV_ASIENTOSCCOSTO WHERE PERIODO = 2026 AND MES_OPERATIVO = 1 "
                     "AND [NUMERO ASIENTO] = 4 ORDER BY CCOSTO, IMPORTE");
    };
    const auto grabar = [&](const char* flete) {
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            QApplication::setActiveWindow(&f);
            if (flete)
                Escribir(f, "3H", flete, "4");
            QTest::keyClick(&f.Campo("4"), Qt::Key_F2);
        });
        EXPECT_TRUE(Navegador().Clic(Enlace(enlace, "4")));
    };
    // A freight line of 30.000,01, its two halves typed: the shares alike, the amounts not.
    Ejecutar("UPDATE MV_ASIENTOS SET CONCILIADO = 0, CABIMPORTE = 57000, IMPORTE = CASE SECUENCIA "
             "WHEN 1 THEN 57000 WHEN 3 THEN 30000.01 WHEN 4 THEN 6272.33 ELSE IMPORTE END WHERE "
             "TC = 'NCPE' AND NUMERO = '00000004'");
    for (const Caso& caso : casos) {
        Ejecutar("DELETE FROM MV_ASIENTOSCCOSTO WHERE [NUMERO ASIENTO] = 4 AND MES_OPERATIVO = 1");
        Ejecutar("INSERT INTO MV_ASIENTOSCCOSTO (PERIODO, [NUMERO ASIENTO], [DEBE-HABER], "
                 "TIPO_REG, MONEDA, FECHA, MES_OPERATIVO, CUENTA, SECUENCIA, CCOSTO, PORCENTAJE, "
                 "IMPORTE) SELECT 2026, 4, 'H', 'CPRA', '   1', '2026-01-23 00:00:00', 1, "
                 "'5210101', 3, c, p, i FROM (SELECT NULL AS c, NULL AS p, NULL AS i WHERE 1 = 0 "
                 "UNION ALL VALUES " +
                 QString(caso.filas) + ")");
        const QStringList guardadas = centros();
        grabar(nullptr);
        EXPECT_EQ(centros(), guardadas) << caso.filas;
        grabar(caso.flete);
        EXPECT_EQ(centros(), caso.despues) << caso.filas;
        grabar(nullptr);
        EXPECT_EQ(centros(), caso.despues) << caso.filas;
    }
    SinAvisos();
}

// Saved unchanged again and again, a difference keeps one application to its origin, also one
// without origin (written back as Null): each save removes the row the one before wrote.
TEST_F(ModificarAsiento, CadaGrabacionReemplazaSuAplicacion) {
    const QStringList sinOrigen = {"NCPE", "0001", "00000031",  "X",
                                   "",     "",     "211010106", "Aceros Zárate S.A."};
    for (const QString numero : {"00000031", "00000002"})
        for (int vez = 0; vez < 3; ++vez) {
            AlAbrir([](FrmAsientoNDPRoNCPE& f) { f.Asistel1_click("GRABAR"); });
            EXPECT_TRUE(Navegador().Clic(numero == "00000031" ? Enlace(sinOrigen) : Enlace()));
            EXPECT_EQ(Filas("SELECT IMPORTE FROM MV_APLICACION WHERE TC = 'NCPE' AND NUMERO = '" +
                            numero + "'"),
                      QStringList({numero == "00000031" ? "1728.4" : "20010.52"}))
                << numero << " vez " << vez;
        }
    SinAvisos();
}

// The entry keeps the registration type it is stored under when the configuration names
// another, so its cost-centre rows stay with it and the next modification finds them again.
TEST_F(ModificarAsiento, ElAsientoConservaSuClaveYSusCentros) {
    const QStringList enlace = {"NCPE", "0001",          "00000004",  "X",
                                "FCC",  "001200004572A", "211010106", "Aceros Zárate S.A."};
    Ejecutar("UPDATE MA_SUBDIARIOSCOMPROBANTES SET SUBDIARIO = 'DIAR' WHERE TC = 'NCPE'");
    Ejecutar("UPDATE MV_ASIENTOS SET CONCILIADO = 0 WHERE TC = 'NCPE' AND NUMERO = '00000004'");
    for (const char* flete : {"8000", "6000"}) {
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            QApplication::setActiveWindow(&f);
            Escribir(f, "3H", flete, "4");
            QTest::keyClick(&f.Campo("4"), Qt::Key_F2);
        });
        EXPECT_TRUE(Navegador().Clic(Enlace(enlace, "4")));
    }
    SinAvisos();
    EXPECT_EQ(Filas("SELECT DISTINCT PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], TIPO_REG FROM "
                    "MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '00000004'"),
              QStringList({"2026|1|4|CPRA"}));
    EXPECT_EQ(Filas("SELECT PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], TIPO_REG, SECUENCIA, "
                    "CCOSTO, IMPORTE FROM MV_ASIENTOSCCOSTO WHERE CUENTA = '5210101' AND "
                    "[NUMERO ASIENTO] = 4 ORDER BY CCOSTO"),
              QStringList({"2026|1|4|CPRA|3|0003|3600", "2026|1|4|CPRA|3|0004|2400"}));
}

// Another user moved the difference's state after the list was drawn, before the link or while
// the form was open: the entry is not offered, or not saved, and the user is told to reload.
TEST_F(ModificarAsiento, UnaListaViejaNoModificaLaDiferencia) {
    const QStringList antes = Guardadas();
    const QString aviso =
        "La diferencia cambió de estado después de mostrarse la lista (ahora está "
        "en estado %1). Vuelva a cargar la lista con [F9].";
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = 3 WHERE TC = 'NCPE' AND NUMERO = '00000002'");
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EsperarAviso(aviso.arg(3), "SV - Aviso al Usuario", vbInformation + vbOKOnly);
    EXPECT_TRUE(guion.VentanasModales.empty());

    guion.Mensajes.clear();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = 1 WHERE TC = 'NCPE' AND NUMERO = '00000002'");
        f.Campo("CONCEPTO").SetText("Ajuste");
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace({"NCPE", "0001", "00000002", "X", "FCC", "000200004526A",
                                         "211010102", "Muñoz y Peña S.R.L."},
                                        "3")));
    EsperarAviso(aviso.arg(1), "SV - Aviso al Usuario", vbCritical + vbOKOnly);
    EXPECT_EQ(Guardadas(), antes);
    EXPECT_EQ(Filas("SELECT DISTINCT DETALLE, ESTADO FROM MV_ASIENTOS WHERE TC = 'NCPE' AND "
                    "NUMERO = '00000002'"),
              QStringList({"Dif. de precio s/FCC 0002-00004526A|1"}));

    // Applied to another invoice meanwhile, its state as listed: refused alike, nothing opened.
    guion.Mensajes.clear();
    const size_t abiertas = guion.VentanasModales.size();
    Ejecutar("UPDATE MV_ASIENTOS SET ESTADO = 0, CPTE_ORIGEN = '000200004527A' WHERE TC = "
             "'NCPE' AND NUMERO = '00000002'");
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EsperarAviso("La diferencia cambió de comprobante de origen después de mostrarse la lista "
                 "(ahora es FCC 0002-00004527A). Vuelva a cargar la lista con [F9].",
                 "SV - Aviso al Usuario", vbInformation + vbOKOnly);
    EXPECT_EQ(guion.VentanasModales.size(), abiertas);
}

// With the subdiary table gone the save stops at the one clear message of the failed read.
TEST_F(ModificarAsiento, SinSubdiariosUnSoloAvisoYNadaEscrito) {
    const QStringList antes = Guardadas();
    bool abierta = false;
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        Ejecutar("DROP TABLE MA_SUBDIARIOSCOMPROBANTES");
        f.Asistel1_click("GRABAR");
        abierta = f.isVisible();
        f.Asistel1_click("CERRAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EXPECT_TRUE(abierta);
    ASSERT_EQ(guion.Mensajes.size(), 1u) << Avisos().toStdString();
    EXPECT_TRUE(guion.Mensajes[0].Texto.contains("MA_SUBDIARIOSCOMPROBANTES"))
        << Avisos().toStdString();
    EXPECT_EQ(Guardadas(), antes);
}

// Another user's change committed while the form was open is never overwritten unseen.
TEST_F(ModificarAsiento, ElCambioDeOtroUsuarioNoSePierde) {
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        Ejecutar("UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 1 WHERE TC = 'NCPE' AND NUMERO = "
                 "'00000002' AND SECUENCIA IN (1, 2)");
        f.Campo("CONCEPTO").SetText("Ajuste");
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    ASSERT_EQ(guion.Mensajes.size(), 1u);
    EXPECT_EQ(guion.Mensajes[0].Texto, "El asiento fue modificado por otro usuario después de "
                                       "abrirlo: vuelva a abrirlo para modificarlo.");
    EXPECT_EQ(Guardadas(),
              QStringList({"211010102|D|20011.52", "5110102|H|16538.62", "1120201|H|3472.9"}));
    EXPECT_EQ(Filas("SELECT DISTINCT DETALLE FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = "
                    "'00000002'"),
              QStringList({"Dif. de precio s/FCC 0002-00004526A"}));
}

// A supplier no longer in the view keeps the name stored with the entry; a view that cannot
// be read stops the save. The origin's type is stored trimmed, as read.
TEST_F(ModificarAsiento, ElNombreDelProveedorNoSeBorra) {
    Ejecutar("UPDATE MA_CUENTAS SET TIPOVISTA = NULL WHERE CODIGO = '211010102'");
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) { f.Asistel1_click("GRABAR"); });
    EXPECT_TRUE(Navegador().Clic(Enlace({"NCPE", "0001", "00000002", "X", "FCC ", "000200004526A",
                                         "211010102", "Muñoz y Peña S.R.L."})));
    SinAvisos();
    EXPECT_EQ(Filas("SELECT CABNOMBRE, TC_ORIGEN || '|' FROM MV_ASIENTOS WHERE TC = 'NCPE' AND "
                    "NUMERO = '00000002' AND SECUENCIA = 1"),
              QStringList({"Muñoz y Peña S.R.L.|FCC|"}));
    EXPECT_EQ(Filas("SELECT TCO_ORIGEN || '|' FROM MV_APLICACION WHERE TC = 'NCPE' AND NUMERO = "
                    "'00000002'"),
              QStringList({"FCC|"}));

    const QStringList antes = Guardadas();
    bool abierta = false;
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        Ejecutar("DROP VIEW VT_PROVEEDORES");
        f.Campo("2H").SetText("16000");
        f.Campo("12H").SetText("4010,52");
        f.Asistel1_click("GRABAR");
        abierta = f.isVisible();
        f.Asistel1_click("CERRAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EXPECT_TRUE(abierta);
    EXPECT_EQ(guion.Mensajes.size(), 1u) << Avisos().toStdString();
    EXPECT_EQ(Guardadas(), antes);
}

// What the form does not show comes back as stored on every row that goes on: a bank, its
// voucher, a due date, a reconciled line, the time of day of the date.
TEST_F(ModificarAsiento, LoQueElFormularioNoMuestraSeConserva) {
    EjecutarSinComprobarLargos(
        "UPDATE MV_ASIENTOS SET IDBANCO = '  11', NROCOMPROBANTEBANCARIO = '0341-' || SECUENCIA, "
        "VENCIMIENTO = '2026-01-1' || SECUENCIA || ' 00:00:00', FECHA = '2025-12-22 10:30:00', "
        "CONCILIADO = SECUENCIA - 1 WHERE TC = 'NCPE' AND NUMERO = '00000002'");
    const QString columnas = "SELECT SECUENCIA, IDBANCO, NROCOMPROBANTEBANCARIO, VENCIMIENTO, "
                             "FECHA, FECHASUBDIARIO, CONCILIADO, CABCUENTA FROM MV_ASIENTOS "
                             "WHERE TC = 'NCPE' AND NUMERO = '00000002' ORDER BY SECUENCIA";
    const QStringList antes = Filas(columnas);
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) { f.Asistel1_click("GRABAR"); });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    EXPECT_EQ(Filas(columnas), antes);
    EXPECT_EQ(Filas("SELECT DISTINCT FECHA FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = "
                    "'00000002'"),
              QStringList({"2025-12-22T10:30:00.000"}));
}

// A line the user adds takes what belongs to the whole entry from the stored rows, not what
// belongs to one of their lines.
TEST_F(ModificarAsiento, UnaLineaNuevaTomaLoDelAsiento) {
    Ejecutar("UPDATE MV_ASIENTOS SET MONEDA = '   2', IDBANCO = '  11' WHERE TC = 'NCPE' AND "
             "NUMERO = '00000002'");
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        f.Campo("2H").SetText("16437,62");
        f.Campo("3").SetText("5210101");
        f.Campo("3H").SetText("100");
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    EXPECT_EQ(Filas("SELECT CUENTA, MONEDA, IFNULL(IDBANCO, 'nulo') FROM MV_ASIENTOS WHERE TC = "
                    "'NCPE' AND NUMERO = '00000002' ORDER BY SECUENCIA"),
              QStringList({"211010102|   2|  11", "5110102|   2|  11", "5210101|   2|nulo",
                           "1120201|   2|  11"}));
}

// A difference reconciled after the list was drawn is no longer pending: neither the link nor
// a save made while the form was open undoes the reconciliation.
TEST_F(ModificarAsiento, UnaDiferenciaConciliadaNoSeModifica) {
    const QString aviso = "La diferencia fue conciliada después de mostrarse la lista y ya no "
                          "está pendiente. Vuelva a cargar la lista con [F9].";
    const QString conciliar =
        "UPDATE MV_ASIENTOS SET CONCILIADO = %1 WHERE TC = 'NCPE' AND NUMERO = '00000002'";
    Ejecutar(conciliar.arg(1));
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EsperarAviso(aviso, "SV - Aviso al Usuario", vbInformation + vbOKOnly);
    EXPECT_TRUE(guion.VentanasModales.empty());

    Ejecutar(conciliar.arg(0));
    guion.Mensajes.clear();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        Ejecutar(conciliar.arg(1));
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EsperarAviso(aviso, "SV - Aviso al Usuario", vbCritical + vbOKOnly);
    EXPECT_EQ(Filas("SELECT DISTINCT CONCILIADO FROM MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = "
                    "'00000002'"),
              QStringList({"true"}));
}

// An entry whose number was given without a registration type (blank or Null) keeps that key:
// booked now in CPRA it would take the number of the invoice's entry 1.
TEST_F(ModificarAsiento, UnaClaveSinTipoNoTomaLaDeOtroComprobante) {
    for (const char* tipo : {"'    '", "NULL"}) {
        Ejecutar(QString("UPDATE MV_ASIENTOS SET TIPO_REG = %1, [NUMERO ASIENTO] = 1 WHERE TC = "
                         "'NCPE' AND NUMERO = '00000002'")
                     .arg(tipo));
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) { f.Asistel1_click("GRABAR"); });
        EXPECT_TRUE(Navegador().Clic(Enlace()));
        SinAvisos();
        EXPECT_EQ(Filas("SELECT DISTINCT IFNULL(TIPO_REG, 'nulo'), [NUMERO ASIENTO] FROM "
                        "MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '00000002'"),
                  QStringList({QString(tipo) == "NULL" ? "nulo|1" : "    |1"}));
        EXPECT_EQ(Filas("SELECT DISTINCT TC FROM MV_ASIENTOS WHERE PERIODO = 2025 AND "
                        "MES_OPERATIVO = 12 AND [NUMERO ASIENTO] = 1 AND TIPO_REG = 'CPRA'"),
                  QStringList({"FCC "}));
    }
}

// An entry stored without a number takes it inside the save's transaction: an entry another
// user books meanwhile in the same month and type keeps its number to itself.
TEST_F(ModificarAsiento, ElNumeroNuloSeTomaDentroDeLaTransaccion) {
    Ejecutar("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = NULL WHERE TC = 'NCPE' AND NUMERO = "
             "'00000002'");
    const QString siguiente = "SELECT IFNULL(MAX([NUMERO ASIENTO]), 0) + 1 FROM MV_ASIENTOS "
                              "WHERE PERIODO = 2025 AND MES_OPERATIVO = 12 AND TIPO_REG = 'CPRA'";
    const int libre = Filas(siguiente).value(0).toInt();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        f.Asistel1_click("GRABAR");
        Ejecutar("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = " + QString::number(libre) +
                 " WHERE TC = 'FCC' AND SUCURSAL = '0002' AND NUMERO = '00004526'");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    EXPECT_EQ(Filas("SELECT DISTINCT [NUMERO ASIENTO], TIPO_REG FROM MV_ASIENTOS WHERE TC = "
                    "'NCPE' AND NUMERO = '00000002'"),
              QStringList({QString::number(libre + 1) + "|CPRA"}));
}

// Cost-centre rows left under a number no entry holds (their entry renumbered by another
// program) are not adopted by the entry that takes a number: it takes the one after them.
TEST_F(ModificarAsiento, ElNumeroNuloNoTomaCentrosAjenos) {
    Ejecutar("UPDATE MV_ASIENTOS SET [NUMERO ASIENTO] = NULL WHERE TC = 'NCPE' AND NUMERO = "
             "'00000002'");
    const int libre = Filas("SELECT IFNULL(MAX([NUMERO ASIENTO]), 0) + 1 FROM MV_ASIENTOS WHERE "
                            "PERIODO = 2025 AND MES_OPERATIVO = 12 AND TIPO_REG = 'CPRA'")
                          .value(0)
                          .toInt();
    Ejecutar("INSERT INTO MV_ASIENTOSCCOSTO (PERIODO, MES_OPERATIVO, [NUMERO ASIENTO], TIPO_REG, "
             "CUENTA, SECUENCIA, CCOSTO, PORCENTAJE, IMPORTE) VALUES (2025, 12, " +
             QString::number(libre) + ", 'CPRA', '5110102', 2, 'D001', 100, 7)");
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) { f.Asistel1_click("GRABAR"); });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    EXPECT_EQ(Filas("SELECT DISTINCT [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE TC = 'NCPE' AND "
                    "NUMERO = '00000002'"),
              QStringList({QString::number(libre + 1)}));
}

// An account typed with blanks, or by its optional code, is stored as the chart's code.
TEST_F(ModificarAsiento, LaCuentaSeGuardaComoLaDelPlan) {
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        f.Campo("2").SetText(" 5210101");
        f.Campo("12").SetText("ivacf");
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    SinAvisos();
    EXPECT_EQ(Guardadas(),
              QStringList({"211010102|D|20010.52", "5210101|H|16537.62", "1120201|H|3472.9"}));
}

// Text that is no amount in the user's notation is refused as it is typed, once, and the box
// keeps what it had: nothing is balanced from it and the save writes the amounts shown.
// "1.500" is fifteen hundred.
TEST_F(ModificarAsiento, UnTextoQueNoEsImporteSeRechaza) {
    QStringList textos, mostradas;
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        QApplication::setActiveWindow(&f);
        for (const char* malo : {"abc", "12x", "(100)", "-"}) {
            f.Campo("2H").setFocus();
            f.Campo("2H").SetText(malo);
            f.Campo("3").setFocus();
            QCoreApplication::processEvents();
            textos << f.Campo("2H").Text() + "|" + f.Campo("12H").Text();
        }
        f.Campo("2H").SetText("1.500");
        f.Campo("12H").SetText("18.510,52");
        mostradas = Mostradas(f);
        f.Asistel1_click("GRABAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EXPECT_EQ(textos, QStringList(4, "16537,62|3472,90"));
    ASSERT_EQ(guion.Mensajes.size(), 4u) << Avisos().toStdString();
    EXPECT_TRUE(guion.Mensajes[0].Texto.startsWith("«abc» no es un importe"));
    EXPECT_EQ(mostradas,
              QStringList({"211010102|D|20010.52", "5110102|H|1500", "1120201|H|18510.52"}));
    EXPECT_EQ(Guardadas(), mostradas);
}

// Without the fiscal periods table the date's check fails with one message, and nothing is
// written.
TEST_F(ModificarAsiento, SinEjerciciosUnSoloAviso) {
    const QStringList antes = Guardadas();
    AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
        Ejecutar("DROP TABLE MV_EJERCICIOS");
        f.Asistel1_click("GRABAR");
        f.Asistel1_click("CERRAR");
    });
    EXPECT_TRUE(Navegador().Clic(Enlace()));
    EXPECT_EQ(guion.Mensajes.size(), 1u) << Avisos().toStdString();
    EXPECT_EQ(Guardadas(), antes);
}

// ---- What one save writes, the list and the next save read back -----------------------------

class IdaYVuelta : public ModificarAsiento {
protected:
    // The list from the last closed period on, so that it shows the differences of both.
    void SetUp() override {
        ModificarAsiento::SetUp();
        frm->txtFields().Campo(QStringLiteral("Fecha_DESDE")).SetText(QStringLiteral("01/12/2025"));
        frm->CmdActualizar_Click();
    }
    // The difference's modify link in the list shown now, and what it says.
    std::optional<EnlaceLista::Diferencia> EnLaLista(const QString& numero, QString& enlace) {
        for (const QString& e : EnlacesDePagina(frm->RutaInforme())) {
            const std::optional<EnlaceLista::Diferencia> d = EnlaceLista::LeerDiferencia(e);
            if (d && d->Numero == numero &&
                EnlaceLista::ComandoDe(e) == EnlaceLista::Comando::Modificar) {
                enlace = e;
                return d;
            }
        }
        return std::nullopt;
    }
    // Every row of the entry and its application as stored, amounts to the last decimal.
    QStringList Asiento(const QString& numero) {
        return Filas("SELECT SECUENCIA, CUENTA, [DEBE-HABER], printf('%.4f', IMPORTE), "
                     "printf('%.4f', CABIMPORTE), CABCUENTA, CABNOMBRE, ESTADO, DETALLE FROM "
                     "MV_ASIENTOS WHERE TC = 'NCPE' AND NUMERO = '" +
                     numero + "' ORDER BY SECUENCIA") +
               Filas("SELECT TCO_ORIGEN, printf('%.4f', IMPORTE) FROM MV_APLICACION WHERE TC = "
                     "'NCPE' AND NUMERO = '" +
                     numero + "'");
    }
    // Opens the difference from the list drawn now and saves it as the form shows it: it must go
    // through and change nothing.
    void GrabarSinCambios(const QString& numero) {
        const QStringList antes = Asiento(numero);
        QString enlace;
        ASSERT_TRUE(EnLaLista(numero, enlace)) << numero.toStdString();
        bool abierta = false;
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            abierta = true;
            f.Asistel1_click("GRABAR");
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_TRUE(Navegador().Clic(enlace));
        EXPECT_TRUE(abierta);
        SinAvisos();
        EXPECT_EQ(Asiento(numero), antes);
    }
};

// Line 1 left without an amount, on either side of the header: the row written first still
// carries the supplier, so the list shows the difference under its supplier; its modify link
// opens it as it was saved, the supplier's line empty, and it is saved again unchanged.
TEST_F(IdaYVuelta, SinImporteEnLaLinea1ElProveedorSigueEnLaPrimeraFila) {
    struct Caso {
        const char* numero;
        const char* vaciar;  // line 1's amount box
        const char* importe; // line 3's amount box and what it takes
        const char* proveedor;
    };
    const Caso casos[] = {
        {"00000002", "1D", "3D=20010,52", "211010102|Muñoz y Peña S.R.L."},
        {"00000038", "1H", "3H=1728,40", "211010106|Aceros Zárate S.A."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.numero);
        const QString numero = QString::fromLatin1(c.numero);
        const QStringList importe = QString::fromUtf8(c.importe).split(u'=');
        QString enlace;
        ASSERT_TRUE(EnLaLista(numero, enlace));
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            f.Campo(c.vaciar).SetText("");
            f.Campo("3").SetText("5210101");
            f.Campo(importe[0]).SetText(importe[1]);
            f.Asistel1_click("GRABAR");
        });
        EXPECT_TRUE(Navegador().Clic(enlace));
        SinAvisos();
        EXPECT_EQ(Filas("SELECT CABCUENTA, CABNOMBRE FROM MV_ASIENTOS WHERE TC = 'NCPE' AND "
                        "NUMERO = '" +
                        numero + "' AND SECUENCIA = 1"),
                  QStringList({QString::fromUtf8(c.proveedor)}));
        const std::optional<EnlaceLista::Diferencia> d = EnLaLista(numero, enlace);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->CabCuenta + "|" + d->CabNombre, QString::fromUtf8(c.proveedor));
        QStringList mostradas;
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            mostradas = {f.Campo("1").Text(), f.Campo(c.vaciar).Text(), f.Campo(importe[0]).Text()};
            f.Asistel1_click("CERRAR");
        });
        EXPECT_TRUE(Navegador().Clic(enlace));
        EXPECT_EQ(mostradas, QStringList({QString::fromUtf8(c.proveedor).section(u'|', 0, 0),
                                          QString(), importe[1]}));
        GrabarSinCambios(numero);
    }
}

// The header amount is the debit total on every row, on either side of the header: the entry's
// own header amount caps the next correction of a difference with no origin invoice, and an entry
// saved once is saved again unchanged.
TEST_F(IdaYVuelta, LaCabeceraEsElTotalDelDebe) {
    struct Caso {
        const char* numero;
        std::vector<std::pair<const char*, const char*>> cajas;
    };
    const Caso casos[] = {
        {"00000031", {{"1D", "1700"}, {"3", "5210101"}, {"3D", "28,40"}}},
        {"00000038", {{"1H", "1628,40"}, {"3", "5210101"}, {"3H", "100"}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.numero);
        QString enlace;
        ASSERT_TRUE(EnLaLista(c.numero, enlace));
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            for (const auto& [campo, texto] : c.cajas)
                f.Campo(campo).SetText(texto);
            f.Asistel1_click("GRABAR");
        });
        EXPECT_TRUE(Navegador().Clic(enlace));
        SinAvisos();
        EXPECT_EQ(Filas("SELECT DISTINCT printf('%.2f', CABIMPORTE) FROM MV_ASIENTOS WHERE TC = "
                        "'NCPE' AND NUMERO = '" +
                        QString::fromLatin1(c.numero) + "'"),
                  QStringList({"1728.40"}));
        GrabarSinCambios(c.numero);
    }
}

// Amounts stored with more decimals than configured come back exactly: shown whole, and written
// back as stored when the user leaves them alone.
TEST_F(IdaYVuelta, LosImportesGuardadosVuelvenExactos) {
    Ejecutar("UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + 0.0034, CABIMPORTE = CABIMPORTE + "
             "0.0034 WHERE TC = 'NCPE' AND NUMERO = '00000002' AND SECUENCIA IN (1, 2)");
    Ejecutar("UPDATE MV_ASIENTOS SET CABIMPORTE = 20010.5234 WHERE TC = 'NCPE' AND NUMERO = "
             "'00000002'");
    Ejecutar("UPDATE MV_APLICACION SET IMPORTE = 20010.5234 WHERE TC = 'NCPE' AND NUMERO = "
             "'00000002'");
    for (const char* decimales : {"2", "-2", "4"}) {
        SCOPED_TRACE(decimales);
        ModGlobal::Valores.CantidadDecimales = QString::fromLatin1(decimales);
        frm->CmdActualizar_Click();
        QStringList mostradas;
        AlAbrir([&](FrmAsientoNDPRoNCPE& f) {
            mostradas = {f.Campo("1D").Text(), f.Campo("2H").Text(), f.Campo("12H").Text()};
            f.Asistel1_click("CERRAR");
        });
        EXPECT_TRUE(Navegador().Clic(Enlace()));
        const QStringList esperadas = decimales == QStringLiteral("4")
                                          ? QStringList({"20010,5234", "16537,6234", "3472,9000"})
                                      : decimales == QStringLiteral("2")
                                          ? QStringList({"20010,5234", "16537,6234", "3472,90"})
                                          : QStringList({"20010,5234", "16537,6234", "3472,9"});
        EXPECT_EQ(mostradas, esperadas);
        GrabarSinCambios("00000002");
        EXPECT_EQ(Guardadas(), QStringList({"211010102|D|20010.5234", "5110102|H|16537.6234",
                                            "1120201|H|3472.9"}));
    }
}

} // namespace
