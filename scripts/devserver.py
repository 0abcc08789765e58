#!/usr/bin/env python3
"""Local stand-in for the stream server and the programme-guide site.

Serves on 127.0.0.1 only: the start-up stream /tv/tv.asx, the welcome page
/tv/Hi.htm, the scriptlet page /ip.htm, a playlist (or page) for any channel
under /tv/, the day guide /union/uniChDay_ifr.asp?tvid=..&channelid=.., and
the site's home page /.

    devserver.py --stream-port 18080 --guide-port 18081
"""
import argparse
import html
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

PAGE = """<!DOCTYPE html><html><head><meta charset="utf-8"><title>{title}</title>
<style>body{{font:13px Tahoma,sans-serif;margin:12px;color:#29405a;background:#f4f8fc}}</style>
</head><body>{body}</body></html>"""


def playlist(path):
    return ('<asx version="3.0"><title>{0}</title><entry><ref href="mms://127.0.0.1{0}"/>'
            "</entry></asx>").format(html.escape(path))


class Handler(BaseHTTPRequestHandler):
    def reply(self, body, kind="text/html; charset=utf-8", status=200):
        data = body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        url = urlsplit(self.path)
        path = url.path
        if path == "/tv/Hi.htm":
            self.reply(PAGE.format(title="Zelvano", body="<h3>欢迎使用 Zelvano</h3>"
                                   "<p>请在左侧选择频道。</p>"))
        elif path == "/ip.htm":
            self.reply(PAGE.format(title="ip", body="<small>127.0.0.1</small>"))
        elif path == "/union/uniChDay_ifr.asp":
            q = parse_qs(url.query)
            tvid = html.escape(q.get("tvid", ["?"])[0])
            channel = html.escape(q.get("channelid", ["?"])[0])
            rows = "".join("<li>{:02d}:00 节目 {}</li>".format(h, h // 2 + 1) for h in range(6, 24, 2))
            self.reply(PAGE.format(title="节目单", body="<h4>今日节目 tvid={} channelid={}</h4>"
                                   "<ul>{}</ul>".format(tvid, channel, rows)))
        elif path.startswith("/tv/") and path.endswith((".asx", ".php")):
            self.reply(playlist(path), "video/x-ms-asf")
        elif path == "/":
            self.reply(PAGE.format(title="Zelvano", body="<h3>Zelvano</h3>"))
        else:
            self.reply(PAGE.format(title="404", body="not found"), status=404)

    def log_message(self, fmt, *args):
        sys.stderr.write("devserver: %s\n" % (fmt % args))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--stream-port", type=int, default=18080)
    ap.add_argument("--guide-port", type=int, default=18081)
    args = ap.parse_args()
    servers = [ThreadingHTTPServer(("127.0.0.1", p), Handler)
               for p in sorted({args.stream_port, args.guide_port})]
    for s in servers[1:]:
        threading.Thread(target=s.serve_forever, daemon=True).start()
    print("devserver: serving on", ", ".join("127.0.0.1:%d" % s.server_address[1] for s in servers),
          flush=True)
    servers[0].serve_forever()


if __name__ == "__main__":
    main()
