#pragma once

#include "support/ServidorMudo.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <future>
#include <poll.h>
#include <thread>

// What a login packet carried, as the server reads it.
struct Ingreso {
    bool recibido = false;
    QString usuario, clave, base;
};

// A server on loopback that answers one client's pre-login (no encryption) and reads its login
// packet, then hangs up; it gives up by itself after a few seconds without a client.
class ServidorTds {
public:
    // `espera`: how long to wait for a client, in milliseconds.
    explicit ServidorTds(int espera = 8000) : espera_(espera) {
        hilo_ = std::thread([this] { fin_.set_value(Atender()); });
    }
    ~ServidorTds() {
        if (hilo_.joinable())
            hilo_.join();
    }
    int Puerto() const { return mudo_.Puerto(); }
    Ingreso Recibido() {
        auto futuro = fin_.get_future();
        return futuro.wait_for(std::chrono::seconds(15)) == std::future_status::ready ? futuro.get()
                                                                                      : Ingreso{};
    }

private:
    // One TDS message, its packets joined; empty once the client is gone.
    static QByteArray Mensaje(int cliente) {
        QByteArray mensaje;
        for (;;) {
            unsigned char cabecera[8];
            if (::recv(cliente, cabecera, 8, MSG_WAITALL) != 8)
                return {};
            const int largo = (cabecera[2] << 8 | cabecera[3]) - 8;
            QByteArray datos(qMax(largo, 0), '\0');
            if (largo > 0 && ::recv(cliente, datos.data(), largo, MSG_WAITALL) != largo)
                return {};
            mensaje += datos;
            if (cabecera[1] & 1)
                return mensaje;
        }
    }
    static QString Campo(const QByteArray& m, int posicion, bool clave = false) {
        if (m.size() < posicion + 4)
            return {};
        const auto u = reinterpret_cast<const unsigned char*>(m.constData());
        const int desde = u[posicion] | u[posicion + 1] << 8;
        const int letras = u[posicion + 2] | u[posicion + 3] << 8;
        QByteArray bytes = m.mid(desde, letras * 2);
        for (char& b : bytes) // the password's bytes go nibble-swapped and XORed with 0xA5
            if (clave) {
                const unsigned char x = static_cast<unsigned char>(b) ^ 0xA5;
                b = char((x << 4) | (x >> 4));
            }
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                                  bytes.size() / 2);
    }
    Ingreso Atender() {
        Ingreso ingreso;
        pollfd espera{mudo_.Socket(), POLLIN, 0};
        if (::poll(&espera, 1, espera_) != 1)
            return ingreso;
        const int cliente = ::accept(mudo_.Socket(), nullptr, nullptr);
        timeval limite{5, 0};
        ::setsockopt(cliente, SOL_SOCKET, SO_RCVTIMEO, &limite, sizeof limite);
        if (!Mensaje(cliente).isEmpty()) {
            // VERSION and ENCRYPTION (2: not supported) options, then their data.
            const unsigned char respuesta[] = {4, 1, 0,  26, 0, 0,    1,  0, 0, 0,    11, 0, 6,
                                               1, 0, 17, 0,  1, 0xFF, 15, 0, 7, 0xD0, 0,  0, 2};
            ::send(cliente, respuesta, sizeof respuesta, MSG_NOSIGNAL);
            const QByteArray login = Mensaje(cliente);
            ingreso = {!login.isEmpty(), Campo(login, 40), Campo(login, 44, true),
                       Campo(login, 68)};
        }
        ::close(cliente);
        return ingreso;
    }

    ServidorMudo mudo_;
    int espera_;
    std::promise<Ingreso> fin_;
    std::thread hilo_;
};
