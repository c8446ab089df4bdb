#pragma once

#include "platform/runtime/Currency.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One journal line whose account is split over cost centres, with the cost centre and share
// of one of its rows when it was read back from stored rows.
struct LineaPendienteCC {
    QString Cuenta;
    QString CCosto;
    float Porcentaje = 0;
    Currency Importe;
    QString Periodo;
    QString NumeroAsiento;
    QString DH;
    QString TipoReg;
    QString Moneda;
    QString Fecha;
    QString TC;
    QString Sucursal;
    QString Numero;
    QString Letra;
    QString Secuencia;
    // The stored month of a row read back without a date.
    QString MesOperativo;
};

// Rows written by the confirmation dialog, counted for the whole run; -1 while rows are not
// being numbered.
inline short ContadorSecuencia = 0;

// What the cost-centre script asks of the confirmation dialog for one pending line. The
// dialog installs its factory in ClsCCosto::CrearConfirmacion; each line gets a fresh one.
class ConfirmacionCCosto {
public:
    virtual ~ConfirmacionCCosto() = default;
    // Loads the split proposed for the account and amount; gHayCCostos tells whether any.
    virtual void CargarCcostos(const QString& Cuenta, const Currency& Importe, const QString& Dist,
                               const QString& CCostoActual) = 0;
    // The SECUENCIA of the line being split, before CargarCcostos: of the rows a script holds
    // for the account, only the line's own are loaded.
    virtual void FijarSecuencia(const QString& /*Secuencia*/) {}
    virtual bool gHayCCostos() const = 0;
    virtual void FijarTitulo(const QString& Titulo) = 0;
    virtual bool Pideconfirmacion() = 0;
    // Shows the dialog modally; returns once it has hidden itself.
    virtual void MostrarModal() = 0;
    virtual bool gCancelar() const = 0;
    virtual void FijarCancelar(bool Cancelar) = 0;
    virtual QString SCriptCCosto(const QString& Periodo, const QString& NumeroAsiento,
                                 const QString& DH, const QString& TipoReg, const QString& Moneda,
                                 const QString& Fecha, const QString& Secuencia) = 0;
};

// One row of MV_ASIENTOSCCOSTO as a script statement. Every producer of the script writes
// its rows through SentenciaCCosto, so they read alike.
struct FilaCCosto {
    QString Periodo, NumeroAsiento, DH, TipoReg, Moneda, Fecha;
    QString Cuenta, Secuencia, CCosto, Porcentaje, Importe;
};
// Texts quoted with their apostrophes doubled; the entry number and SECUENCIA bare (a number
// or its placeholder); the share and amount as plain numbers with "." for decimals. A row
// read back without a date (MesSinFecha: its stored month) writes its date as NULL.
QString SentenciaCCosto(const FilaCCosto& Fila, const QString& MesSinFecha = {});
// A row statement read back, its values as their literals read; nothing when the text is no
// INSERT into MV_ASIENTOSCCOSTO.
std::optional<FilaCCosto> LeerFilaCCosto(const QString& Sentencia);

// Finds the journal lines whose account is split over cost centres and writes their rows of
// MV_ASIENTOSCCOSTO as a script, which the caller runs with the entry it belongs to.
class ClsCCosto {
public:
    // The entry number and the journal line's SECUENCIA until the caller knows them.
    static constexpr const char* MarcaAsiento = "@@@@9999";
    static constexpr const char* MarcaSecuencia = "@@@@8888";
    // The confirmation dialog's factory; without one the script cannot be confirmed.
    inline static std::function<std::unique_ptr<ConfirmacionCCosto>()> CrearConfirmacion;

    // The INSERTs into MV_ASIENTOS whose account needs a split become the pending lines.
    bool HayCuentasCC(const QStringList& ListaDeSentencias);
    // Rows for every pending line through the dialog, or "CANCELADO" when the user cancels.
    QString SCriptCCosto(bool NumerarSecuencia, const QString& CCostoActual);
    // Rows straight from the pending lines that hold a cost centre, every stored row copied.
    QString SCriptCCosto2() const;
    // The placeholders replaced by the entry number and the journal line's SECUENCIA.
    QString ActualizaHayCuentasCC2(QString& sTmp, const QString& Asiento,
                                   const QString& Secuencia) const;
    // One line given as nine fields, each ended by "|"; LineaVariables keeps what follows.
    bool HayCuentasCC2(QString& LineaVariables, const QString& CCostoActual);
    // The stored rows of one journal line, copied under a new entry number and period.
    QString LeeCCosto(const QString& Periodo, const QString& Mes, const QString& Asiento,
                      const QString& Cuenta, const QString& Secuencia, const QString& TipoReg,
                      const QString& TC, const QString& Suc, const QString& Nro,
                      const QString& Letra, const QString& NewNroAsiento, const QString& NewPeriodo,
                      bool BuscaSinSecuencia);

    bool Cancelar() const { return cancelar_; }
    void SetCancelar(bool valor) { cancelar_ = valor; }

    // The pending lines, from 1; element 0 is never filled.
    const std::vector<LineaPendienteCC>& PendientesCC() const { return pendientes_; }

private:
    friend std::optional<FilaCCosto> LeerFilaCCosto(const QString& Sentencia);
    // Position (from 1) of the first name equal to Campo, letter case aside; 0 when none.
    static long PosicionCampo(const QString& Texto, const QString& Campo, const QString& Separador);
    // The value under the column named Columna; empty when no column has that name.
    static QString ValorColumna(const QStringList& Columnas, const QStringList& Valores,
                                const QString& Columna);
    static bool NecesitaDistribucion(const QString& Cuenta, bool SoloLectura);
    static FilaCCosto Fila(const LineaPendienteCC& Linea, const QString& Cuenta,
                           const QString& Secuencia);
    void Vaciar();
    void LeerSentencia(const QString& Sentencia);
    static QString AsientoDelGuion(const QString& CCostoActual);
    // Where LeeCCosto's copies go: the journal line's account and voucher, and the new entry
    // number and period (empty: the stored ones).
    struct Copia {
        QString Cuenta, TC, Suc, Nro, Letra, NewNroAsiento, NewPeriodo;
    };
    bool LeerFilasGuardadas(QString sql, const Copia& Destino, QString& Resultado);

    std::vector<LineaPendienteCC> pendientes_;
    bool cancelar_ = false;
};
