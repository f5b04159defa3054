#pragma once

#include <httplib.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace chartservice {

// What one connection may send and how long it may take.
struct StreamLimits {
    std::size_t maxRequestBytes = 16 * 1024;       // request line, headers and anything after them
    std::chrono::milliseconds readDeadline{5000};  // for all of the request, from the start
    std::chrono::milliseconds writeTimeout{5000};  // for each wait until the socket takes more
};

// How receiving a request's header block ended.
enum class HeaderBlock {
    Complete,        // the empty line after the headers has arrived
    LineTooLong,     // the limit came before the request line ended
    HeadersTooLong,  // the limit came before the empty line
    TimedOut,        // the deadline came first
    Ended,           // the peer ended the connection, or it failed
};

// One connection's socket as an httplib stream that takes at most `maxRequestBytes` from the
// peer and waits for them no longer than `readDeadline` in all, so that no client can make the
// server hold an unbounded line in memory or keep a thread for ever. Reading past either bound
// fails (-1). The socket stays open; the owner closes it.
class BoundedSocketStream : public httplib::Stream {
  public:
    BoundedSocketStream(int socket, StreamLimits limits);

    // Receives up to the end of the header block (an empty line, CR LF or LF alone), within
    // the limits; the bytes stay for read() to give.
    HeaderBlock ReceiveHeaderBlock();

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    int socket() const override { return socket_; }

  private:
    int MillisecondsLeft() const;
    // Receives more into the buffer: what recv gives, or -1 when the bounds allow no more.
    ssize_t Receive();

    int socket_;
    StreamLimits limits_;
    std::chrono::steady_clock::time_point deadline_;
    std::string buffer_;
    std::size_t bufferStart_ = 0;  // what read() has given of buffer_
    std::size_t received_ = 0;
};

}  // namespace chartservice
