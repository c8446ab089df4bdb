#pragma once

#include "detail_pages/FrmDetalle.h"
#include "platform/ado/Recordset.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

// An account's detail page ("Detalle de cuenta"): shows "AuditoriaPopUp.htm" of the temporary
// folder, which the window does not write, and follows its account and voucher links. No
// window of the program opens it; it stands ready for a caller.
class FrmAuditoriaPopUp : public FrmDetalleDe<FrmAuditoriaPopUp> {
    Q_OBJECT
public:
    explicit FrmAuditoriaPopUp(QWidget* parent = nullptr);

    // Keeps the values as given and shows the page file; the values choose nothing yet.
    void Mostrar(const QString& NombreArchivo, const QVariant& Titulo, const QString& Cuenta,
                 const QVariant& EsHoja, const QString& FhInicio, const QString& FhTope,
                 short eTipoListado, const QVariantList& eUnidadesNegocio,
                 const QVariantList& eCentrosCostos, bool eNormal,
                 const QVariant& eCantidadNiveles);

    // An account link looks the account up and shows the page again; a voucher link opens
    // the default instance of the voucher's window.
    void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel) override;

    // The values of the last Mostrar.
    struct Valores {
        QString NombreArchivo;
        QVariant Titulo;
        QString Cuenta;
        QVariant EsHoja;
        QString FhInicio, FhTope;
        short eTipoListado = 0;
        QVariantList eUnidadesNegocio, eCentrosCostos;
        QVariant eNormal;
        QVariant eCantidadNiveles;
    };
    const Valores& ValoresMostrados() const { return Valores_; }
    const ado::Recordset& rsCuenta() const { return rsCuenta_; }

protected:
    void Form_Unload(bool& Cancel) override;

private:
    void MostrarPagina();
    void BuscarCuenta(const QString& Cuenta);

    Valores Valores_;
    ado::Recordset rsCuenta_;
};
