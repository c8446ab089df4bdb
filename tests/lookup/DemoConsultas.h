#pragma once

#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/files/ArchivoRegistros.h"
#include "support/SesionDemo.h"

#include <QComboBox>
#include <functional>

// The demo company's session as start-up leaves it (masks file in the program folder), with
// the scripted operator playing the user in the lookup windows and the lookup library fresh.
class ConsultaDemo : public SesionDemo<> {
protected:
    void SetUp() override {
        Lib_ClsCons3::Instancia() = Lib_ClsCons3();
        SesionDemo::SetUp();
    }
    void TearDown() override {
        SesionDemo::TearDown();
        Lib_ClsCons3::Instancia() = Lib_ClsCons3();
    }
    static Lib_ClsCons3& Consultas() { return Lib_ClsCons3::Instancia(); }
    // `accion` plays the user in the next list window.
    void EnLista(std::function<void(Lib_FrmCons3&)> accion) {
        guion.AccionesModales.push_back([accion](QWidget& ventana) {
            auto* lista = qobject_cast<Lib_FrmCons3*>(&ventana);
            ASSERT_NE(lista, nullptr) << ventana.metaObject()->className();
            accion(*lista);
        });
    }
    // Picks the row whose column holds the value and accepts it.
    static void Elegir(Lib_FrmCons3& lista, const QString& columna, const QString& valor) {
        const int k = lista.IndiceColumna(columna);
        ASSERT_GT(k, 0) << columna;
        lista.CmbSearch[size_t(k - 1)]->setEditText(valor);
        lista.CmdAceptar_Click();
    }
    // Adds a record to the masks file start-up wrote.
    void AgregarMascara(const QString& tabla, const QString& campos, const QString& filtro = {}) {
        MascaraConsulta m;
        m.Titulo = tabla;
        m.Tabla = tabla;
        m.Campos = campos;
        m.Filtro = filtro;
        archivos::ArchivoRegistros archivo;
        archivo.Abrir(Consultas().gRutaMascaraConsultas, MascaraConsulta::Longitud);
        archivo.Put(archivo.CantidadRegistros() + 1, m.Empaquetar());
    }
};
