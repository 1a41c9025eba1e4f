#!/usr/bin/env python3
"""Certificates for the update tests, made at test time with the openssl tool.

    test_pki.py make DIR [--crl-url URL] [--fresh]
    test_pki.py sign DIR publisher|other|untrusted IN.exe OUT.exe
    test_pki.py revoke DIR publisher|other|server

`make` writes into DIR (and does nothing when DIR/done exists):

    root.pem, root.der, root.key      "VIX Test Root": trusted only where a test
                                      adds it to a Wine prefix's Root store
    server.pem, server.key            TLS certificate of 127.0.0.1 and localhost
    publisher.pem, publisher.key      code signing as "Brellin Software Development"
    other.pem, other.key              code signing as "Someone Else Test Publisher"
    stray-root.pem, untrusted.pem/.key
                                      code signing under a root nobody trusts
    root.crl                          the root's (empty) revocation list

Every certificate the root issues names a revocation list: by default the
file DIR/root.crl as Wine sees it on its Z: drive (file:///Z:/...), so no
server is needed to check revocation; --crl-url names another address (a test
server answers /crl/root.crl). --fresh makes everything anew.

`revoke` adds a certificate of the root to root.crl and then writes
DIR/NAME.revoked (Wine keeps fetched lists in the prefix's
users/*/AppData/LocalLow/Microsoft/CryptnetUrlCache: delete it to see the new one).

`sign` signs IN.exe as one of the three code signers with osslsigncode (SHA-256,
the signer's chain embedded, no time stamp).
"""

import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

DAYS = "30"

SIGNERS = {
    "publisher": ("root", "/O=Brellin Software Development/CN=Brellin Software Development"),
    "other": ("root", "/O=Someone Else/CN=Someone Else Test Publisher"),
    "untrusted": ("stray-root", "/O=Brellin Software Development/CN=Brellin Software Development"),
}


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.PIPE)


def make_root(out, name, subject):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days", DAYS,
            "-keyout", f"{name}.key", "-out", f"{name}.pem", "-subj", subject,
            "-addext", "basicConstraints=critical,CA:true",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign",
            "-addext", "subjectKeyIdentifier=hash", cwd=out)


def issue(out, issuer, name, subject, extensions, crl_url):
    """A certificate for `name` signed by `issuer` with the given extension lines."""
    lines = ["basicConstraints=critical,CA:false", "authorityKeyIdentifier=keyid",
             "subjectKeyIdentifier=hash", *extensions]
    if crl_url and issuer == "root":
        lines.append(f"crlDistributionPoints=URI:{crl_url}")
    (out / f"{name}.ext").write_text("\n".join(lines) + "\n")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{name}.key",
            "-out", f"{name}.csr", "-subj", subject, cwd=out)
    openssl("x509", "-req", "-in", f"{name}.csr", "-CA", f"{issuer}.pem",
            "-CAkey", f"{issuer}.key", "-CAcreateserial", "-sha256", "-days", DAYS,
            "-extfile", f"{name}.ext", "-out", f"{name}.pem", cwd=out)


def make_crl(out):
    """The root's revocation list (root.crl, DER) from its database."""
    openssl("ca", "-batch", "-config", "ca.cnf", "-gencrl", "-keyfile", "root.key",
            "-cert", "root.pem", "-out", "root.crl.pem", cwd=out)
    openssl("crl", "-in", "root.crl.pem", "-outform", "DER", "-out", "root.crl", cwd=out)


def start_ca(out):
    (out / "ca").mkdir(exist_ok=True)
    (out / "ca" / "index.txt").write_text("")
    (out / "ca" / "crlnumber").write_text("01\n")
    (out / "ca.cnf").write_text(
        "[ca]\ndefault_ca = test\n[test]\ndatabase = ca/index.txt\n"
        "crlnumber = ca/crlnumber\ndefault_md = sha256\ndefault_crl_days = 30\n")


def revoke(out, name):
    """Adds the root-issued certificate `name` to root.crl."""
    out = pathlib.Path(out)
    openssl("ca", "-batch", "-config", "ca.cnf", "-revoke", f"{name}.pem", "-keyfile", "root.key",
            "-cert", "root.pem", cwd=out)
    make_crl(out)
    (out / f"{name}.revoked").write_text("")


def make(out, crl_url=None, fresh=False):
    out = pathlib.Path(out).resolve()
    if fresh and out.exists():
        shutil.rmtree(out)
    if (out / "done").exists():
        return
    out.mkdir(parents=True, exist_ok=True)
    crl_url = crl_url or f"file:///Z:{out.as_posix()}/root.crl"
    make_root(out, "root", "/O=VIX Tests/CN=VIX Test Root")
    make_root(out, "stray-root", "/O=Nobody/CN=Stray Test Root")
    openssl("x509", "-in", "root.pem", "-outform", "DER", "-out", "root.der", cwd=out)
    issue(out, "root", "server", "/CN=127.0.0.1",
          ["keyUsage=critical,digitalSignature,keyEncipherment", "extendedKeyUsage=serverAuth",
           "subjectAltName=IP:127.0.0.1,DNS:127.0.0.1,DNS:localhost"], crl_url)
    for name, (issuer, subject) in SIGNERS.items():
        issue(out, issuer, name, subject,
              ["keyUsage=critical,digitalSignature", "extendedKeyUsage=codeSigning"], crl_url)
    start_ca(out)
    make_crl(out)
    (out / "done").write_text("")


def sign(pki, signer, source, target):
    pki = pathlib.Path(pki)
    issuer = SIGNERS[signer][0]
    with tempfile.TemporaryDirectory() as tmp:
        chain = pathlib.Path(tmp) / "chain.pem"
        chain.write_text((pki / f"{signer}.pem").read_text() + (pki / f"{issuer}.pem").read_text())
        result = subprocess.run(
            ["osslsigncode", "sign", "-certs", str(chain), "-key", str(pki / f"{signer}.key"),
             "-h", "sha256", "-n", "VIX test program", "-in", str(source),
             "-out", str(target) + ".part"],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if result.returncode != 0:
            sys.exit(f"osslsigncode failed:\n{result.stdout}")
    os.replace(str(target) + ".part", target)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    make_args = commands.add_parser("make")
    make_args.add_argument("dir")
    make_args.add_argument("--crl-url")
    make_args.add_argument("--fresh", action="store_true")
    sign_args = commands.add_parser("sign")
    sign_args.add_argument("dir")
    sign_args.add_argument("signer", choices=sorted(SIGNERS))
    sign_args.add_argument("source")
    sign_args.add_argument("target")
    revoke_args = commands.add_parser("revoke")
    revoke_args.add_argument("dir")
    revoke_args.add_argument("signer", choices=["publisher", "other", "server"])
    args = parser.parse_args()
    if args.command == "make":
        make(args.dir, args.crl_url, args.fresh)
    elif args.command == "sign":
        sign(args.dir, args.signer, args.source, args.target)
    else:
        revoke(args.dir, args.signer)


if __name__ == "__main__":
    main()
