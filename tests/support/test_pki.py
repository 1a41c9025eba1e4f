#!/usr/bin/env python3
"""Certificates for the update tests, made at test time with the openssl tool.

    test_pki.py make DIR [--crl-url URL] [--root-name NAME] [--fresh]
    test_pki.py sign DIR SIGNER IN.exe OUT.exe
    test_pki.py revoke DIR publisher|other|server

`make` writes into DIR (and does nothing when DIR/done exists):

    root.pem, root.der, root.key      "VIX Test Root": trusted only where a test
                                      adds it to a Wine prefix's Root store
    server.pem, server.key            TLS certificate of 127.0.0.1 and localhost
    publisher.pem, publisher.key      code signing as "Brellin Software Development"
    renewed.pem, renewed.key          the same subject and root, a new key
    other.pem, other.key              code signing as "Someone Else Test Publisher"
    other-ca.pem, impostor.pem/.key   "Other Test CA", an authority under the root,
                                      and code signing under it with the publisher's
                                      very subject
    twin-root.pem                     a root with the test root's subject and
                                      another key (never issues anything)
    stray-root.pem, untrusted.pem/.key
                                      code signing under a root nobody trusts
    root.crl, other-ca.crl            the two authorities' (empty) revocation lists

Every certificate the root or Other Test CA issues names its issuer's
revocation list: by default the file DIR/NAME.crl as Wine sees it on its Z:
drive (file:///Z:/...), so no server is needed to check revocation;
--crl-url names the root's list at another address (a test server answers
/crl/root.crl and /crl/other-ca.crl), the other list sits beside it.
--root-name names the root otherwise than "VIX Test Root" (and its twin
with it). --fresh makes everything anew.

`revoke` adds a certificate of the root to root.crl and then writes
DIR/NAME.revoked (Wine keeps fetched lists in the prefix's
users/*/AppData/LocalLow/Microsoft/CryptnetUrlCache: delete it to see the new one).

`sign` signs IN.exe as one of the code signers (publisher, renewed, other,
impostor, untrusted) with osslsigncode (SHA-256, the signer's chain embedded,
no time stamp).
"""

import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

DAYS = "30"

PUBLISHER = "/O=Brellin Software Development/CN=Brellin Software Development"
SIGNERS = {
    "publisher": ("root", PUBLISHER),
    "renewed": ("root", PUBLISHER),
    "other": ("root", "/O=Someone Else/CN=Someone Else Test Publisher"),
    "impostor": ("other-ca", PUBLISHER),
    "untrusted": ("stray-root", PUBLISHER),
}
# The authorities that keep a revocation list, and who issued each.
AUTHORITIES = {"root": None, "other-ca": "root"}


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.PIPE)


def make_root(out, name, subject):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days", DAYS,
            "-keyout", f"{name}.key", "-out", f"{name}.pem", "-subj", subject,
            "-addext", "basicConstraints=critical,CA:true",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign",
            "-addext", "subjectKeyIdentifier=hash", cwd=out)


def issue(out, issuer, name, subject, extensions, crl_urls, ca=False):
    """A certificate for `name` signed by `issuer` with the given extension lines."""
    lines = [f"basicConstraints=critical,CA:{'true' if ca else 'false'}",
             "authorityKeyIdentifier=keyid", "subjectKeyIdentifier=hash", *extensions]
    if issuer in crl_urls:
        lines.append(f"crlDistributionPoints=URI:{crl_urls[issuer]}")
    (out / f"{name}.ext").write_text("\n".join(lines) + "\n")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{name}.key",
            "-out", f"{name}.csr", "-subj", subject, cwd=out)
    openssl("x509", "-req", "-in", f"{name}.csr", "-CA", f"{issuer}.pem",
            "-CAkey", f"{issuer}.key", "-CAcreateserial", "-sha256", "-days", DAYS,
            "-extfile", f"{name}.ext", "-out", f"{name}.pem", cwd=out)


def ca_config(authority):
    return "ca.cnf" if authority == "root" else f"ca-{authority}.cnf"


def make_crl(out, authority="root"):
    """The authority's revocation list (NAME.crl, DER) from its database."""
    openssl("ca", "-batch", "-config", ca_config(authority), "-gencrl",
            "-keyfile", f"{authority}.key", "-cert", f"{authority}.pem",
            "-out", f"{authority}.crl.pem", cwd=out)
    openssl("crl", "-in", f"{authority}.crl.pem", "-outform", "DER",
            "-out", f"{authority}.crl", cwd=out)


def start_ca(out, authority):
    database = "ca" if authority == "root" else f"ca-{authority}"
    (out / database).mkdir(exist_ok=True)
    (out / database / "index.txt").write_text("")
    (out / database / "crlnumber").write_text("01\n")
    (out / ca_config(authority)).write_text(
        f"[ca]\ndefault_ca = test\n[test]\ndatabase = {database}/index.txt\n"
        f"crlnumber = {database}/crlnumber\ndefault_md = sha256\ndefault_crl_days = 30\n")


def revoke(out, name):
    """Adds the root-issued certificate `name` to root.crl."""
    out = pathlib.Path(out)
    openssl("ca", "-batch", "-config", "ca.cnf", "-revoke", f"{name}.pem", "-keyfile", "root.key",
            "-cert", "root.pem", cwd=out)
    make_crl(out)
    (out / f"{name}.revoked").write_text("")


def make(out, crl_url=None, fresh=False, root_name="VIX Test Root"):
    out = pathlib.Path(out).resolve()
    if fresh and out.exists():
        shutil.rmtree(out)
    if (out / "done").exists():
        return
    out.mkdir(parents=True, exist_ok=True)
    crl_url = crl_url or f"file:///Z:{out.as_posix()}/root.crl"
    crl_urls = {a: crl_url[: crl_url.rindex("/") + 1] + f"{a}.crl" for a in AUTHORITIES}
    make_root(out, "root", f"/O=VIX Tests/CN={root_name}")
    make_root(out, "twin-root", f"/O=VIX Tests/CN={root_name}")
    make_root(out, "stray-root", "/O=Nobody/CN=Stray Test Root")
    openssl("x509", "-in", "root.pem", "-outform", "DER", "-out", "root.der", cwd=out)
    issue(out, "root", "other-ca", "/O=Other Authority/CN=Other Test CA",
          ["keyUsage=critical,keyCertSign,cRLSign"], crl_urls, ca=True)
    issue(out, "root", "server", "/CN=127.0.0.1",
          ["keyUsage=critical,digitalSignature,keyEncipherment", "extendedKeyUsage=serverAuth",
           "subjectAltName=IP:127.0.0.1,DNS:127.0.0.1,DNS:localhost"], crl_urls)
    for name, (issuer, subject) in SIGNERS.items():
        issue(out, issuer, name, subject,
              ["keyUsage=critical,digitalSignature", "extendedKeyUsage=codeSigning"], crl_urls)
    for authority in AUTHORITIES:
        start_ca(out, authority)
        make_crl(out, authority)
    (out / "done").write_text("")


def sign(pki, signer, source, target):
    pki = pathlib.Path(pki)
    issuer = SIGNERS[signer][0]
    chain_names = [signer, issuer] + ([AUTHORITIES[issuer]] if AUTHORITIES.get(issuer) else [])
    with tempfile.TemporaryDirectory() as tmp:
        chain = pathlib.Path(tmp) / "chain.pem"
        chain.write_text("".join((pki / f"{n}.pem").read_text() for n in chain_names))
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
    make_args.add_argument("--root-name", default="VIX Test Root")
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
        make(args.dir, args.crl_url, args.fresh, args.root_name)
    elif args.command == "sign":
        sign(args.dir, args.signer, args.source, args.target)
    else:
        revoke(args.dir, args.signer)


if __name__ == "__main__":
    main()
