#!/usr/bin/env python3
"""A PostgreSQL socket seen through a link with added delay: every chunk is passed on `ritardo` ms
after it arrived, in each direction, so a round trip costs twice that more.

    ritardo.py CARTELLA_ASCOLTO CARTELLA_SERVER RITARDO_MS [PORTA]
"""
import asyncio
import os
import sys
import time


async def passa(lettore, scrittore, ritardo):
    coda = asyncio.Queue()

    async def consegna():
        while True:
            dovuto, dati = await coda.get()
            if dati is None:
                break
            attesa = dovuto - time.monotonic()
            if attesa > 0:
                await asyncio.sleep(attesa)
            scrittore.write(dati)
            await scrittore.drain()
        scrittore.close()

    consegnatore = asyncio.create_task(consegna())
    try:
        while True:
            dati = await lettore.read(65536)
            if not dati:
                break
            coda.put_nowait((time.monotonic() + ritardo, dati))
    finally:
        coda.put_nowait((0, None))
        await consegnatore


async def main():
    ascolto, server, ritardo_ms = sys.argv[1], sys.argv[2], float(sys.argv[3])
    porta = sys.argv[4] if len(sys.argv) > 4 else "5432"
    nome = f".s.PGSQL.{porta}"
    ritardo = ritardo_ms / 1000.0

    async def cliente(lettore, scrittore):
        verso_lettore, verso_scrittore = await asyncio.open_unix_connection(os.path.join(server, nome))
        await asyncio.gather(passa(lettore, verso_scrittore, ritardo), passa(verso_lettore, scrittore, ritardo),
                             return_exceptions=True)

    percorso = os.path.join(ascolto, nome)
    if os.path.exists(percorso):
        os.unlink(percorso)
    s = await asyncio.start_unix_server(cliente, path=percorso)
    print("pronto", flush=True)
    async with s:
        await s.serve_forever()


asyncio.run(main())
