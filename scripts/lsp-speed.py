#!/usr/bin/env python3
"""Times orvia-lsp as an editor meets it: from a didChange of the main index to
its publishDiagnostics (no debounce unless LSP_DEBOUNCE=MS names one: the server runs with --debounce 0), a
definition request on a keyword line, and the memory the server holds.

    scripts/lsp-speed.py build/bin/orvia-lsp data [ROUNDS]
"""
import json, os, statistics, subprocess, sys, time


def main():
    server, data = sys.argv[1], os.path.abspath(sys.argv[2])
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    p = subprocess.Popen([server, "--debounce", os.environ.get("LSP_DEBOUNCE", "0")], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    ids = iter(range(1, 1 << 30))

    def send(message):
        body = json.dumps(dict(message, jsonrpc="2.0")).encode()
        p.stdin.write(b"Content-Length: %d\r\n\r\n" % len(body) + body)
        p.stdin.flush()

    def read():
        length = None
        while True:
            line = p.stdout.readline()
            if line in (b"\r\n", b""):
                break
            name, value = line.split(b":", 1)
            if name.lower() == b"content-length":
                length = int(value)
        return json.loads(p.stdout.read(length))

    def until(test):
        while True:
            message = read()
            if test(message):
                return message

    def request(method, params):
        n = next(ids)
        send({"id": n, "method": method, "params": params})
        return until(lambda m: m.get("id") == n)

    index = os.path.join(data, "keywords.txt")
    uri = "file://" + index
    text = open(index, encoding="utf-8", errors="replace").read()
    published = lambda m: m.get("method") == "textDocument/publishDiagnostics" and m["params"]["uri"] == uri
    request("initialize", {"rootUri": "file://" + data, "capabilities": {}})
    send({"method": "initialized", "params": {}})
    start = time.perf_counter()
    send({"method": "textDocument/didOpen", "params": {"textDocument": {"uri": uri, "languageId": "orvia", "version": 0, "text": text}}})
    until(published)
    opened = time.perf_counter() - start
    status = open("/proc/%d/status" % p.pid).read()
    memory = {k: v.strip() for k, v in (l.split(":", 1) for l in status.splitlines()) if k in ("VmRSS", "VmHWM")}

    def cpu():
        fields = open("/proc/%d/stat" % p.pid).read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    changes, definitions = [], []
    cpu_before = cpu()
    line = next(i for i, l in enumerate(text.splitlines()) if l[:1].isdigit() and len(l) > 5)
    for n in range(1, rounds + 1):
        start = time.perf_counter()
        send({"method": "textDocument/didChange",
              "params": {"textDocument": {"uri": uri, "version": n}, "contentChanges": [{"text": text + "/ edit %d\r\n" % n}]}})
        until(published)
        changes.append(time.perf_counter() - start)
        request("orvia/none", {})  # the other files' diagnostics read before the timing
        start = time.perf_counter()
        request("textDocument/definition", {"textDocument": {"uri": uri}, "position": {"line": line, "character": 6}})
        definitions.append(time.perf_counter() - start)
    cpu_used = cpu() - cpu_before
    status = open("/proc/%d/status" % p.pid).read()
    after = {k: v.strip() for k, v in (l.split(":", 1) for l in status.splitlines()) if k in ("VmRSS", "VmHWM")}
    request("shutdown", None)
    send({"method": "exit"})
    p.wait()
    ms = lambda xs: "median %.1f ms, max %.1f ms" % (statistics.median(xs) * 1000, max(xs) * 1000)
    print("didOpen to diagnostics: %.1f ms" % (opened * 1000))
    print("didChange to diagnostics (%d rounds): %s" % (rounds, ms(changes)))
    print("server CPU per round (a check and a definition): %.1f ms" % (cpu_used / rounds * 1000))
    print("definition: %s" % ms(definitions))
    print("after opening: VmRSS %s, VmHWM %s; after the edits: VmRSS %s, VmHWM %s"
          % (memory["VmRSS"], memory["VmHWM"], after["VmRSS"], after["VmHWM"]))


if __name__ == "__main__":
    main()
