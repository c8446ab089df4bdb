#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A server that takes the connection and never says a word: the kernel completes the
// handshake for a listening socket nobody accepts on.
class ServidorMudo {
public:
    ServidorMudo() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in dir{};
        dir.sin_family = AF_INET;
        dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t largo = sizeof dir;
        ::bind(socket_, reinterpret_cast<sockaddr*>(&dir), sizeof dir);
        ::listen(socket_, 8);
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&dir), &largo);
        puerto_ = ntohs(dir.sin_port);
    }
    ~ServidorMudo() { ::close(socket_); }
    int Puerto() const { return puerto_; }
    int Socket() const { return socket_; }

private:
    int socket_ = -1;
    int puerto_ = 0;
};
