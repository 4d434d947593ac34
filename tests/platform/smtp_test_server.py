#!/usr/bin/env python3
"""A small SMTP server on 127.0.0.1 for the mail tests.

Usage: smtp_test_server.py FOLDER [--mode accept|drop] [--user U --password P]
                           [--tls starttls|tls --cert FILE --key FILE]

Listens on a free port and prints it on the first line of stdout. Each
message received is stored in FOLDER as N.eml (the bytes as sent) and N.json
(envelope and the parts as Python's own mail parser reads them), written
before the server answers the data, so a client that saw its message accepted
finds the files. The address refused@example.org is refused with 550. In the
mode "drop" the connection is cut right after MAIL FROM. With --user the
server offers AUTH PLAIN/LOGIN (without TLS) and takes only that user name and
password. With --tls the server requires STARTTLS, or speaks TLS from the
first byte, with the given certificate. Runs until killed.
"""

import argparse
import asyncio
import email
import email.policy
import json
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult

REFUSED = "refused@example.org"


class Handler:
    def __init__(self, folder, mode):
        self.folder = folder
        self.mode = mode
        self.count = 0

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if self.mode == "drop":
            server.transport.abort()
            return "421 closing"
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() == REFUSED:
            return "550 5.1.1 <%s>: Recipient address rejected: no such user" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        raw = envelope.original_content
        message = email.message_from_bytes(raw, policy=email.policy.default)
        body = message.get_body(preferencelist=("plain",))
        attachments = []
        for part in message.iter_attachments():
            attachments.append(
                {
                    "filename": part.get_filename(),
                    "content_type": part.get_content_type(),
                    "hex": part.get_payload(decode=True).hex(),
                }
            )
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "from": str(message["From"]),
            "to": str(message["To"]),
            "reply_to": str(message["Reply-To"] or ""),
            "subject": str(message["Subject"]),
            "has_bcc_header": "Bcc" in message,
            "body": body.get_content() if body is not None else None,
            "attachments": attachments,
        }
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(raw)
        with open(base + ".json.tmp", "w", encoding="utf-8") as f:
            json.dump(record, f, ensure_ascii=False)
        os.replace(base + ".json.tmp", base + ".json")
        return "250 Message accepted"


def make_authenticator(user, password):
    def authenticate(server, session, envelope, mechanism, auth_data):
        ok = auth_data.login == user.encode() and auth_data.password == password.encode()
        # A refusal must be answered with 535, not left to the client to wait.
        return AuthResult(success=ok, handled=False)

    return authenticate


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--mode", choices=("accept", "drop"), default="accept")
    parser.add_argument("--user")
    parser.add_argument("--password", default="")
    parser.add_argument("--tls", choices=("starttls", "tls"))
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    handler = Handler(args.folder, args.mode)
    options = {}
    if args.user:
        options = dict(
            authenticator=make_authenticator(args.user, args.password),
            auth_require_tls=False,
            auth_required=True,
        )
    context = None
    if args.tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
    if args.tls == "starttls":
        options.update(tls_context=context, require_starttls=True)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(
        lambda: SMTP(handler, hostname="ledra-test", **options),
        "127.0.0.1",
        0,
        ssl=context if args.tls == "tls" else None,
    )
    print(server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        sys.exit(0)
