#!/usr/bin/env python3
"""Signs Nimbrel's update information so that Updrift accepts it.

    sign-update.py new-key KEYFILE        make a new signing key in KEYFILE (its
                                          public form also in KEYFILE.pub)
    sign-update.py public-key KEYFILE     print the key's public half
    sign-update.py sign KEYFILE FILE...   write FILE.sig beside every file

KEYFILE is an ECDSA P-256 private key in PEM form. The vendor's keys are kept
off the update server and outside the source repository; only their public
halves are built into Updrift.dll (updater/trust/VendorKeys.h). "public-key"
prints the one line that both VendorKeys.h and an administrator's registry
value under HKEY_LOCAL_MACHINE\\SOFTWARE\\Nimbrel\\UpdateKeys take.

"sign" signs a release: the update page (updates.asp) and every file it
offers, each as the server will serve its exact bytes. A signature is ECDSA
over the file's SHA-256 digest, stored as the 64 bytes r then s (the form
Windows' BCryptVerifySignature takes; openssl writes DER, which is converted
here). The server then serves "<address>.sig" beside every address.

Only the openssl command line is needed.
"""
import base64
import os
import shutil
import subprocess
import sys
import tempfile

# A P-256 SubjectPublicKeyInfo: these 26 bytes, then 0x04, X and Y.
P256_KEY_INFO_PREFIX = bytes.fromhex("3059301306072a8648ce3d020106082a8648ce3d030107034200")
COORDINATE_SIZE = 32


def openssl(*args, data=None):
    # Found on the PATH, or where Debian puts it when the caller's PATH is
    # not a Unix one (a program under Wine starting this script).
    program = shutil.which("openssl") or "/usr/bin/openssl"
    result = subprocess.run([program, *args], input=data, capture_output=True)
    if result.returncode != 0:
        sys.exit("openssl %s failed: %s" % (args[0], result.stderr.decode(errors="replace").strip()))
    return result.stdout


def public_key_text(key_file):
    info = openssl("ec", "-in", key_file, "-pubout", "-outform", "DER")
    if len(info) != len(P256_KEY_INFO_PREFIX) + 1 + 2 * COORDINATE_SIZE or not info.startswith(
        P256_KEY_INFO_PREFIX + b"\x04"
    ):
        sys.exit("%s is no ECDSA P-256 key" % key_file)
    return base64.b64encode(info).decode("ascii")


def der_length(der, at):
    length = der[at]
    at += 1
    if length & 0x80:
        count = length & 0x7F
        length = int.from_bytes(der[at : at + count], "big")
        at += count
    return length, at


def raw_signature(der):
    """The DER sequence of the two integers r and s, as r || s (32 bytes each)."""
    if der[0] != 0x30:
        raise ValueError("not a DER sequence")
    _, at = der_length(der, 1)
    numbers = []
    for _ in range(2):
        if der[at] != 0x02:
            raise ValueError("not a DER integer")
        length, at = der_length(der, at + 1)
        value = int.from_bytes(der[at : at + length], "big")
        at += length
        numbers.append(value.to_bytes(COORDINATE_SIZE, "big"))
    return numbers[0] + numbers[1]


def write_whole(path, data):
    """Written under another name first: a server never serves half a file."""
    folder = os.path.dirname(os.path.abspath(path))
    handle, partial = tempfile.mkstemp(dir=folder, prefix=".part-")
    with os.fdopen(handle, "wb") as out:
        out.write(data)
    os.chmod(partial, 0o644)
    os.replace(partial, path)


def new_key(key_file):
    if os.path.exists(key_file):
        sys.exit("%s exists already; a signing key is never overwritten" % key_file)
    os.umask(0o077)
    openssl("ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out", key_file)
    text = public_key_text(key_file)
    write_whole(key_file + ".pub", text.encode("ascii"))
    print(text)


def sign(key_file, files):
    public_key_text(key_file)  # refuses any key but P-256
    for path in files:
        der = openssl("dgst", "-sha256", "-sign", key_file, path)
        write_whole(path + ".sig", raw_signature(der))
        print("signed %s" % path)


def main(argv):
    if len(argv) == 3 and argv[1] == "new-key":
        new_key(argv[2])
    elif len(argv) == 3 and argv[1] == "public-key":
        print(public_key_text(argv[2]))
    elif len(argv) >= 4 and argv[1] == "sign":
        sign(argv[2], argv[3:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
