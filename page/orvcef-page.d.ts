// Type declarations for orvcef-page.js and the globals the kit provides.

export declare const ErrorCode: {
  readonly SESSION_NOT_READY: -2;
  readonly FAILED: -1;
  readonly HOST_REFUSED: 1;
};
export type BridgeErrorCode = -2 | -1 | 1;

export declare class CefQueryError extends Error {
  readonly code: BridgeErrorCode | number;
  readonly sessionNotReady: boolean;
  readonly hostRefused: boolean;
  constructor(code: number, message: string);
}

export declare class BridgeUnavailableError extends Error {}

/** Where the helper finds cefQuery; the page's own window by default. */
export interface HelperOptions {
  window?: CefBridgeWindow;
}

export declare function isAvailable(options?: HelperOptions): boolean;
export declare function query(
  request: string,
  options?: HelperOptions,
): Promise<string>;
export interface PersistentQuery {
  readonly id: number;
  cancel(): void;
}
export declare function persistentQuery(
  request: string,
  onResponse: (response: string) => void,
  onError?: (error: CefQueryError) => void,
  options?: HelperOptions,
): PersistentQuery;
export declare function currentRoute(options?: HelperOptions): Promise<string>;
export declare function onRoute(
  listener: (route: string) => void,
  options?: HelperOptions,
): () => void;

/** What CEF's message router and the kit put into every frame. */
export interface CefQueryRequest {
  request: string;
  persistent?: boolean;
  onSuccess?: (response: string) => void;
  onFailure?: (errorCode: number, errorMessage: string) => void;
}
export interface CefBridgeWindow {
  cefQuery?: (query: CefQueryRequest) => number;
  cefQueryCancel?: (queryId: number) => void;
  __push?: (route: string) => void;
}

declare global {
  interface Window extends CefBridgeWindow {}
}
