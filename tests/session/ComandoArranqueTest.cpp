#include "session/ModGlobal.h"
#include "support/Apoyo.h"

#include <gtest/gtest.h>

namespace {

using namespace ModGlobal;

// Servidor, BaseDatos, Usuario, Password, UsuarioLogeado, Caja, ParametroAdicional, Menu.
QStringList Valores(const ComandoArranque& c) {
    return {c.Servidor, c.BaseDatos,          c.Usuario, c.Password, c.UsuarioLogeado,
            c.Caja,     c.ParametroAdicional, c.Menu};
}

TEST(ComandoArranque, DaCadaValorDeLaSesion) {
    const std::pair<QString, QStringList> casos[] = {
        {"@Server=SRV01;@DbName=VENTAS;@Usuario=sa;@Password=x;@UsuarioLogeado=JUAN;@Caja=3;"
         "@ParametroAdicional=P;@Menu=M;",
         {"SRV01", "VENTAS", "sa", "x", "JUAN", "3", "P", "M"}},
        {"@Server=SRV01; @DbName = VENTAS ;", {"SRV01", "VENTAS", "", "", "", "1", "", ""}},
        {"@caja=5; @PASSWORD=c; @usuario=u; @dbname=B; @SERVER=S;",
         {"S", "B", "u", "c", "", "5", "", ""}},
        {"programa.exe zeta@ @Server=SRV;", {"SRV", "", "", "", "", "1", "", ""}},
        {"@Server=S;@Caja=;", {"S", "", "", "", "", "", "", ""}},
        {"@Server=S;@Password=clave final", {"S", "", "", "clave final", "", "1", "", ""}},
        // The session tail this program hands its siblings reads back the same.
        {" ; @server=SRV; @dbname=DB; @usuario=sa; @Password=pw; @ParametroAdicional=; zeta@ ; "
         "@UsuarioLogeado = JUAN; @Caja=2;",
         {"SRV", "DB", "sa", "pw", "JUAN", "2", "", ""}},
        // "@Usuario" is not the start of "@UsuarioLogeado".
        {"@UsuarioLogeado=JUAN;@Usuario=sa;", {"", "", "sa", "", "JUAN", "1", "", ""}},
        {"@UsuarioLogeado=JUAN;", {"", "", "", "", "JUAN", "1", "", ""}},
        // Only the "=" after the tag goes; a password may hold more.
        {"@Password==a=b;@Server=S;", {"S", "", "", "=a=b", "", "1", "", ""}},
        // The "=" may be missing; a tag followed by a letter or digit is another tag.
        {"@Server SRV01;@Caja 4;", {"SRV01", "", "", "", "", "4", "", ""}},
        {"@Server1=X;@Caja2=5;@Server = S ;", {"S", "", "", "", "", "1", "", ""}},
        {"", {"", "", "", "", "", "1", "", ""}},
    };
    for (const auto& [comando, esperados] : casos)
        EXPECT_EQ(Valores(LeerComandoArranque(comando)), esperados) << comando;
    // The first whole tag gives the value; a tag with nothing after it gives nothing.
    EXPECT_EQ(ValorEtiqueta("@Menu principal; @Menu=VENTAS;", "@Menu"), "principal");
    EXPECT_EQ(ValorEtiqueta("@Caja", "@Caja", "1"), "");
    EXPECT_EQ(ValorEtiqueta("@MenuX=1;", "@Menu", "ninguno"), "ninguno");
}

TEST(NombreServidor, TomaLaParteDelServidor) {
    const std::pair<QString, QString> casos[] = {
        {"HOST/INSTANCIA:1433", "INSTANCIA"},
        {"SRV01:1433", "SRV01"},
        {"SRV01", "SRV01"},
        {"A/B/C:1:2", "B/C"},
        {"", ""},
        {"HOST/", ""},
    };
    for (const auto& [servidor, esperado] : casos)
        EXPECT_EQ(NombreServidor(servidor), esperado) << servidor;
}

} // namespace
