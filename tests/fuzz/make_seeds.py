#!/usr/bin/env python3
"""Writes a small seed corpus for wave_fuzz into the folder given (default: seeds/)."""
import os
import struct
import sys

PCM_GUID = bytes.fromhex("0100000000001000800000aa00389b71")


def chunk(tag, payload, pad=True):
    out = tag + struct.pack("<I", len(payload)) + payload
    return out + b"\0" if pad and len(payload) % 2 else out


def fmt(channels, rate, bits, extra=b"", tag=1):
    block = channels * bits // 8
    return struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits) + extra


def riff(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def samples(values, bits):
    if bits == 8:
        return bytes(v & 0xFF for v in values)
    return b"".join(struct.pack("<h", v) for v in values)


def seeds():
    ramp = [(k * 997) % 65536 - 32768 for k in range(40)]
    yield "stereo16_44100", riff(chunk(b"fmt ", fmt(2, 44100, 16)), chunk(b"data", samples(ramp, 16)))
    yield "mono16_22050", riff(chunk(b"fmt ", fmt(1, 22050, 16)), chunk(b"data", samples(ramp, 16)))
    yield "stereo8_11025", riff(chunk(b"fmt ", fmt(2, 11025, 8)), chunk(b"data", samples(ramp, 8)))
    yield "fmt18_fact", riff(chunk(b"fmt ", fmt(2, 44100, 16, b"\0\0")),
                             chunk(b"fact", struct.pack("<I", 20)), chunk(b"data", samples(ramp, 16)))
    yield "list_junk", riff(chunk(b"LIST", b"INFOISFT\x05\0\0\0abcd\0"),
                            chunk(b"fmt ", fmt(1, 44100, 8)), chunk(b"JUNK", b"\0" * 7),
                            chunk(b"data", samples(ramp, 8)))
    ext = struct.pack("<HHI", 22, 16, 3) + PCM_GUID
    yield "extensible", riff(chunk(b"fmt ", fmt(2, 44100, 16, ext, 0xFFFE)),
                             chunk(b"data", samples(ramp, 16)))
    yield "data_beyond_end", riff(chunk(b"fmt ", fmt(2, 22050, 16)),
                                  b"data" + struct.pack("<I", 0xFFFFFFF0) + samples(ramp, 16))
    long = [(k * 31) % 256 for k in range(1500)]
    yield "straddling", riff(chunk(b"fmt ", fmt(2, 44100, 16, b"\0\0")), chunk(b"data", samples(long, 16)))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "seeds"
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name + ".wav"), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
