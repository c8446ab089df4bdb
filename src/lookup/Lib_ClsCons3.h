#pragma once

#include "platform/files/MascaraConsulta.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

class Formulario;
class Lib_FrmCons3;

// A collection of texts held by reference; a null pointer is "nothing".
using Coleccion = std::shared_ptr<QStringList>;

// The lookup controller: one instance serves every lookup of the run. A caller sets
// CampoDevuelto (and Checks, UsaCantidades when wanted), calls ConsultaSearch and reads
// ValorDevuelto, or Valores after a multiple choice.
class Lib_ClsCons3 {
public:
    // The shared instance, created on first use; it reads its settings from the session the
    // first time it is asked for with the connection open.
    static Lib_ClsCons3& Instancia();

    Lib_ClsCons3();

    // Row colours of the four stock levels in article lists (configuration "Stk_Nivel1".."4").
    QVariant StkNivel1;
    QVariant StkNivel2;
    QVariant StkNivel3;
    QVariant StkNivel4;
    // "SI" colours article lists by stock (configuration "MostrarStockenConsultas").
    QString MuestraStock;
    // A collection a caller may fill and pass back as ConsultaSearch's own argument.
    Coleccion CmpsDevueltos = std::make_shared<QStringList>();
    // What the last multiple choice (or the further columns of a single one) returned.
    Coleccion Valores = std::make_shared<QStringList>();
    Coleccion Cantidades;
    // The next lookup offers check boxes; false again after every lookup.
    bool Checks = false;
    // The value of CampoDevuelto in the row accepted by the last lookup; "" after a cancel.
    QVariant ValorDevuelto;
    // Full path of the query-mask file ("consultas.sve" in the program folder), and whether a
    // table or view name is looked up in it (if it exists): both taken from the session when
    // the settings are read.
    QString gRutaMascaraConsultas;
    bool gUsarMascarasConsultas = false;
    // Switches on the quantity keys of the list window.
    bool UsaCantidades = false;
    // The column the next lookup returns; set before each lookup, emptied after it.
    QString CampoDevuelto;

    // Shows the options (each one a state character, "1" ticked, then its text) with check
    // boxes and leaves the ticked texts in Valores (the result stays empty). CmpsDevueltos is
    // not read.
    QVariant CheckOpciones(const QString& Titulo, const Coleccion& CmpsDevueltos,
                           const QStringList& Opc);
    // Shows the options for one choice and gives back the text chosen.
    QString MenuOpciones(const QString& Titulo, const QStringList& Opc);

    // Lists `SQL` (a table or view name, or a whole SELECT) in the list window, or in the tree
    // window with `TreeView`, and keeps what the user chose. `CampoBusqueda` and `Where` come
    // back as the lookup used them; `CmpsDevueltos` comes back emptied and set to nothing.
    // Errors are passed over: the caller always gets control back.
    void ConsultaSearch(const QString& SQL, Coleccion* CmpsDevueltos = nullptr,
                        const QString& Clave = {}, QString* CampoBusqueda = nullptr,
                        QString* Where = nullptr, const QString& SentenciaOpcional = {},
                        bool TreeView = false, const QString& ValoresDefault = {});

    // ---- Statement building ---------------------------------------------------------------
    // A bare condition goes into parentheses with a blank around them; one that already
    // starts with "(", a single character and an empty one stay as they are.
    static QString ArmarWhere(const QString& Where);
    // The row limit from the configured value; 1000 when it reads as 0.
    static int LimiteFilas(const QString& TopConsArt);
    // Whether the text is a whole statement (holds the word SELECT) rather than a table name.
    static bool EsSentencia(const QString& SQL);
    // A whole statement as it is listed: article lists read "VT_MA_ARTICULOS".
    static QString SentenciaCompleta(const QString& SQL);
    // Whether the statement brings its own order (the words ORDER BY).
    static bool TieneOrden(const QString& sentencia);
    // The statement of a mask record, filling an empty CampoBusqueda with its first column;
    // nothing when the mask needs configuring (one column and no search column given).
    static std::optional<QString> SentenciaMascara(const MascaraConsulta& mascara, int Top,
                                                   QString& CampoBusqueda, const QString& Where);
    // The column list of a table without a mask, from its columns in table order: the last
    // first, bookkeeping columns left out. CampoBusqueda becomes the first kept column, or the
    // last kept DESCRIPCION, NOMBRE or DETALLE column.
    static QString CamposAutomaticos(const QStringList& columnas, QString& CampoBusqueda);
    // "SELECT TOP n campos FROM SQL", then WHERE and ORDER BY each only when there is
    // something to put after it.
    static QString SentenciaAutomatica(const QString& SQL, const QString& campos, int Top,
                                       const QString& CampoBusqueda, const QString& Where);

private:
    std::optional<QString> ElegirSentencia(const QString& SQL, int Top, QString& CampoBusqueda,
                                           const QString& Where, const QString& SentenciaOpcional);
    std::optional<MascaraConsulta> BuscarMascara(const QString& SQL) const;
    QString SentenciaSinMascara(const QString& SQL, int Top, QString& CampoBusqueda,
                                const QString& Where, const QString& SentenciaOpcional);
    void LeerConfiguracion();
    void MostrarArbol(const QString& sentencia);
    void MostrarLista(const QString& sentencia, const QString& Clave, const QString& CampoBusqueda,
                      const QString& ValoresDefault, const Coleccion& devueltos);
    void PrepararLista(Lib_FrmCons3& lista, const QString& sentencia, const QString& Clave,
                       const QString& CampoBusqueda, const QString& ValoresDefault) const;
    static void Descartar(Formulario* ventana);
    static void MostrarOpciones(Lib_FrmCons3& lista, const QString& Titulo, const QStringList& Opc,
                                bool casillas);

    bool configuracionLeida_ = false;
    bool usaConsultaLike_ = false;
};
