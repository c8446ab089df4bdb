#include "platform/dialogs/CodigosMsgBox.h"

#include <algorithm>

std::vector<int> RespuestasDeBotones(int botones) {
    switch (botones & 0xF) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int RespuestaPredeterminada(int botones) {
    std::vector<int> respuestas = RespuestasDeBotones(botones);
    std::size_t indice = (botones >> 8) & 0x3;
    return respuestas[indice < respuestas.size() ? indice : 0];
}

int RespuestaEscape(int botones) {
    std::vector<int> respuestas = RespuestasDeBotones(botones);
    if (std::find(respuestas.begin(), respuestas.end(), vbCancel) != respuestas.end())
        return vbCancel;
    return respuestas.size() == 1 ? respuestas.front() : 0;
}

int IconoDe(int botones) {
    return botones & 0x70;
}

QString TextoBoton(int respuesta) {
    switch (respuesta) {
    case vbCancel:
        return QStringLiteral("Cancelar");
    case vbAbort:
        return QStringLiteral("&Anular");
    case vbRetry:
        return QStringLiteral("&Reintentar");
    case vbIgnore:
        return QStringLiteral("&Omitir");
    case vbYes:
        return QStringLiteral("&Sí");
    case vbNo:
        return QStringLiteral("&No");
    default:
        return QStringLiteral("Aceptar");
    }
}
