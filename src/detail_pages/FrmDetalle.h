#pragma once

#include "platform/forms/Formulario.h"

#include <QString>
#include <functional>
#include <memory>

class Navegador;
class clsAuditoria_HTM;

// The shell every detail window is built on: one browser filling the window, the voucher's
// page written into the temporary folder together with the style sheet, and the page's links
// handed to the window's own handler. A window class derives from FrmDetalleDe<itself>, so
// that closing it releases the right shared instance.
class FrmDetalle : public Formulario {
    Q_OBJECT
public:
    // The design caption; the client area is the detail windows' usual one.
    explicit FrmDetalle(const QString& Caption, QWidget* parent = nullptr);
    ~FrmDetalle() override;

    Navegador& wbExplorer() { return *wbExplorer_; }
    // The temporary folder (with its trailing separator) and the page file of the last
    // Mostrar.
    const QString& CarpetaPagina() const { return Carpeta_; }
    const QString& ArchivoPagina() const { return Archivo_; }

    // The browser's before-navigate event: every navigation, the window's own page included,
    // comes here first. The shell lets everything through.
    virtual void wbExplorer_BeforeNavigate2(const QString& URL, bool& Cancel);

protected:
    // Writes the page file into the folder it is given and returns normally; its own errors
    // are its own business (the page writers report them and go on).
    using EscritorPagina = std::function<void(QString& ArchivoPagina)>;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_Unload(bool& Cancel) override;

    // Shows one voucher: the caption Prefijo + iTC + " " + iSucursal + iNumero + iLetra, the
    // style sheet and the page NombrePagina (written by Generar) in the temporary folder, and
    // the browser pointed at the page.
    void Mostrar(const QString& Prefijo, const QString& iTC, const QString& iSucursal,
                 const QString& iNumero, const QString& iLetra, const QString& NombrePagina,
                 const EscritorPagina& Generar);
    // The steps of Mostrar for a window that shows a page it does not write: the folder and
    // the page file, then the style sheet.
    void PrepararPagina(const QString& NombrePagina);
    void EscribirHojaEstilo();
    // Points the browser at the file; nothing that fails here is reported.
    void Navegar(const QString& ArchivoPagina, bool DesdeArriba = false);

    // The receipt window's design is a little smaller than the others'.
    void FijarAreaDiseno(int AnchoTwips, int AltoTwips);

    // Whether this window is the shared default instance of its class, and how to release
    // that instance; FrmDetalleDe answers both for its class.
    virtual bool EsInstanciaPredeterminada() const = 0;
    virtual void LiberarInstanciaPredeterminada() = 0;

private:
    Navegador* wbExplorer_ = nullptr;
    QString Carpeta_;
    QString Archivo_;
    std::unique_ptr<clsAuditoria_HTM> Escritor_;
};

// The base of a detail window class T (class T : public FrmDetalleDe<T>).
template <class T> class FrmDetalleDe : public FrmDetalle {
public:
    using FrmDetalle::FrmDetalle;

protected:
    bool EsInstanciaPredeterminada() const override {
        return detalle::InstanciaPredeterminada<T>().data() == this;
    }
    void LiberarInstanciaPredeterminada() override { Liberar<T>(); }
};
