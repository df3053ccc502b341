import sys
import kb
import topics3  # noqa: F401  (pulls in topics1 and topics2)

if __name__ == '__main__':
    sys.exit(0 if kb.build() else 1)
